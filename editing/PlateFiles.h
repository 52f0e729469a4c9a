// SPDX-License-Identifier: GPL-3.0-or-later
// The files a plate names, read from disk for the screen: the pictures it carries and its
// template's scan. They are kept in the scene beside the record, read again only when the record
// names another file or the document moved to another folder, and never part of the history.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <set>
#include <string>

#include "model/Outcome.h"
#include "render/Scene.h"

namespace quirn {

enum class Reread { Changed, All };

class PlateFiles : public QObject {
    Q_OBJECT
  public:
    // Writes only the scene's pictures, document folder and template picture.
    explicit PlateFiles(Scene& scene, QObject* parent = nullptr);

    // Brought up to the record: read from the folder of documentPath (UTF-8; empty: the current
    // folder); Reread::All reads every file again. A file that cannot be read is told once.
    void Refresh(const std::string& documentPath, Reread reread);
    // Another document: what could not be read is told again.
    void ForgetTold() { told_.clear(); }
    // The template's scan as the template command has just read it from path.
    void TakeTemplate(const std::string& file, QImage image, const QString& path);
    // The folder pictures are looked for in (UTF-8; empty: the current folder).
    const std::string& documentFolder() const { return scene_.documentFolder; }
    // Where the record's template file name points from the document's folder.
    QString TemplatePath(const std::string& file) const;

  signals:
    // A file could not be read; once a file for each document.
    void notice(const Outcome& fault);

  private:
    void RefreshPictures(Reread reread);
    void RefreshTemplate(Reread reread);

    Scene& scene_;
    std::set<std::string> told_;
    QString templateReadFrom_;  // where the template's scan was last looked for
};

}  // namespace quirn
