// SPDX-License-Identifier: GPL-3.0-or-later
// The English translation is complete: lupdate, run over the sources as the quirn_lupdate target
// runs it, finds no text that the committed quirn_en.ts leaves without a finished English, and
// every translation keeps its source's %1, %2... placeholders.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <map>
#include <utility>

namespace {

struct Entry {
    QString translation;
    bool finished = false;
};
// Keyed by context and source text.
using Catalogue = std::map<std::pair<QString, QString>, Entry>;

Catalogue ReadTs(const QString& path) {
    Catalogue entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return entries;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            Entry& entry = entries[{context, source}];
            entry.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            entry.translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

QSet<QString> Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) found << m.captured();
    return found;
}

std::string Named(const std::pair<QString, QString>& key) {
    return (key.first + QStringLiteral(": \"") + key.second + QLatin1Char('"')).toStdString();
}

TEST(Translation, EveryTextOfTheSourcesHasItsEnglish) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
    QStringList args{QStringLiteral("-I"), QStringLiteral(QUIRN_SOURCE_DIR)};
    args << QStringLiteral(QUIRN_TRANSLATED_DIRS).split(QLatin1Char(','));
    args << QStringLiteral("-locations") << QStringLiteral("none")
         << QStringLiteral("-tr-function-alias") << QStringLiteral(QUIRN_LUPDATE_ALIAS)
         << QStringLiteral("-ts") << fresh;
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(QUIRN_SOURCE_DIR));
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(QUIRN_LUPDATE), args);
    ASSERT_TRUE(lupdate.waitForFinished(-1)) << lupdate.errorString().toStdString();
    const QString output = QString::fromLocal8Bit(lupdate.readAll());
    ASSERT_EQ(lupdate.exitCode(), 0) << output.toStdString();
    // "file:line: ..." is lupdate's warning: a text it cannot read, or filed under a context the
    // program would not look it up in.
    static const QRegularExpression warning(QStringLiteral("^\\S+:\\d+: .*$"),
                                            QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& m : warning.globalMatch(output))
        ADD_FAILURE() << m.captured().toStdString();

    const Catalogue found = ReadTs(fresh);
    const Catalogue committed = ReadTs(QStringLiteral(QUIRN_EN_TS));
    // The sources were read: the panel alone has dozens of texts.
    ASSERT_GT(found.size(), 100u);
    for (const auto& [key, unused] : found) {
        const auto it = committed.find(key);
        if (it == committed.end()) {
            ADD_FAILURE() << "no English for " << Named(key);
            continue;
        }
        EXPECT_TRUE(it->second.finished) << "unfinished English for " << Named(key);
        EXPECT_FALSE(it->second.translation.trimmed().isEmpty())
            << "empty English for " << Named(key);
    }
}

TEST(Translation, EveryEnglishKeepsItsPlaceholders) {
    const Catalogue committed = ReadTs(QStringLiteral(QUIRN_EN_TS));
    ASSERT_FALSE(committed.empty());
    for (const auto& [key, entry] : committed) {
        EXPECT_EQ(Placeholders(entry.translation), Placeholders(key.second))
            << Named(key) << " -> \"" << entry.translation.toStdString() << "\"";
    }
}

}  // namespace
