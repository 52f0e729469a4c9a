// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecoveryCopies.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <csignal>

#include "app/UserFiles.h"
#include "model/Document.h"
#include "model/FileAccess.h"

namespace quirn {
namespace {

constexpr char kNoteSuffix[] = ".note";

// "file", "made" and "process", a tab, the value; UTF-8.
QByteArray NoteText(const QString& document, const QDateTime& made) {
    return "file\t" + document.toUtf8() + "\nmade\t" + made.toUTC().toString(Qt::ISODate).toUtf8() +
           "\nprocess\t" + QByteArray::number(QCoreApplication::applicationPid()) + "\n";
}

bool ProcessIsGone(qint64 process) {
    return process <= 0 || (::kill(pid_t(process), 0) != 0 && errno == ESRCH);
}

RecoveryCopy CopyNamed(const QString& folder, const QString& stem) {
    const QDir dir(folder);
    RecoveryCopy copy;
    copy.record = dir.absoluteFilePath(stem + QString::fromLatin1(kDocumentExtension));
    copy.note = dir.absoluteFilePath(stem + QString::fromLatin1(kNoteSuffix));
    return copy;
}

}  // namespace

QString RecoveryFolder() {
    return StateFolder() + QStringLiteral("/recovery");
}

RecoveryCopy OwnRecoveryCopy(const QString& folder) {
    return CopyNamed(folder, QString::number(QCoreApplication::applicationPid()));
}

Outcome WriteRecoveryCopy(const QString& folder, const std::string& recordText,
                          const QString& document, const QDateTime& made) {
    const RecoveryCopy copy = OwnRecoveryCopy(folder);
    if (!QDir().mkpath(folder))
        return FileFailure(Fault::CannotCreate, copy.record.toStdString(), FileOperation::Create);
    // The note last: a copy is offered only once it is whole.
    for (const auto& [path, bytes] : {std::pair{copy.record, QByteArray::fromStdString(recordText)},
                                      std::pair{copy.note, NoteText(document, made)}}) {
        const Fault written = WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                                  std::string_view(bytes.data(), bytes.size()));
        if (written != Fault::None)
            return FileFailure(written, path.toStdString(), FileOperation::Create);
    }
    return {};
}

void RemoveRecoveryCopy(const RecoveryCopy& copy) {
    // The note first: a copy without one is never offered.
    QFile::remove(copy.note);
    QFile::remove(copy.record);
}

std::vector<RecoveryCopy> LeftRecoveryCopies(const QString& folder) {
    std::vector<RecoveryCopy> left;
    const QDir dir(folder);
    const QStringList notes =
        dir.entryList({QStringLiteral("*") + QString::fromLatin1(kNoteSuffix)}, QDir::Files);
    for (const QString& name : notes) {
        RecoveryCopy copy = CopyNamed(folder, name.chopped(int(sizeof kNoteSuffix) - 1));
        QFile note(copy.note);
        if (!note.open(QIODevice::ReadOnly) || !QFile::exists(copy.record)) continue;
        for (const QByteArray& line : note.readAll().split('\n')) {
            const qsizetype tab = line.indexOf('\t');
            if (tab < 0) continue;
            const QByteArray key = line.left(tab), value = line.mid(tab + 1);
            if (key == "file") copy.document = QString::fromUtf8(value);
            if (key == "made")
                copy.made = QDateTime::fromString(QString::fromUtf8(value), Qt::ISODate);
            if (key == "process") copy.process = value.toLongLong();
        }
        if (copy.made.isValid() && ProcessIsGone(copy.process)) left.push_back(copy);
    }
    std::sort(left.begin(), left.end(),
              [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.made > b.made; });
    return left;
}

}  // namespace quirn
