// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and saving the record being edited: the document's commands (new, open, save, save
// as, the save question) driven with the record, and the document's title and modified flag kept
// up with every change of the record.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "model/Document.h"

namespace quirn {

class EditedRecord;

class DocumentCommands : public QObject {
    Q_OBJECT
  public:
    // open: shows a record opened or made anew.
    using OpenRecord = std::function<void(const ScaleParameters&)>;
    DocumentCommands(Document& doc, EditedRecord& record, OpenRecord open,
                     QObject* parent = nullptr);

    QString Title() const;

    // Each returns true when it went through.
    bool New();
    bool Open();
    bool OpenFile(const std::string& path);
    bool Save();
    bool SaveAs();
    bool SaveModified();
    // A copy kept for recovery shown in place of the document, which has path (empty: none) and
    // holds onDisk there: modified, so that a save writes the copy where it belongs.
    bool Restore(const ScaleParameters& copy, const std::string& path,
                 const ScaleParameters& onDisk);
    // Another program changed the document's file: read it again, the changes made here lost,
    // or keep them, the document modified against the file as it is now.
    bool Reload();
    void KeepOwnVersion();

  signals:
    void modifiedChanged();
    // The document's file or its description changed.
    void titleChanged();
    // A save went through: the files the record names may be found in another folder now.
    void saved();

  private:
    bool Opened(const std::optional<ScaleParameters>& record);
    bool Saved(bool wentThrough);
    // The record changed: the description and the modified flag follow it.
    void Follow();
    void Tell();

    Document& doc_;
    EditedRecord& record_;
    OpenRecord open_;
    std::string toldTitle_;  // as the signals last told them
    bool toldModified_ = false;
};

}  // namespace quirn
