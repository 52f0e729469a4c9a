// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpDialog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringDecoder>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/PlateDrawing.h"
#include "model/FileAccess.h"
#include "model/TextCodec.h"
#include "render/SymbolImages.h"

namespace quirn {
namespace {

// Far beyond any help text; it only keeps a foreign file from filling memory.
constexpr std::size_t kHelpReadLimit = std::size_t{64} << 20;

// Room for the drawing at its natural size, as far as the screen allows.
constexpr QSize kPreferredSize(1060, 780);

QString Decoded(std::string_view bytes) {
    const QByteArray raw(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(raw);
    // Windows-1251 Cyrillic is practically never valid UTF-8.
    if (utf8.hasError()) text = QString::fromStdString(Cp1251ToUtf8(bytes));
    return text;
}

}  // namespace

QString HelpFileName() {
    //: The help text's file for this language, among the program's data files.
    return QCoreApplication::translate("quirn::HelpDialog", "ReadMe.txt");
}

std::optional<QString> LoadHelpText() {
    const QString path = FindDataFile(HelpFileName());
    if (path.isEmpty()) return std::nullopt;
    const Result<std::string> read = ReadFileHead(path.toStdString(), kHelpReadLimit);
    if (read.outcome.fault != Fault::None) return std::nullopt;
    std::string_view bytes = read.value;
    if (const auto nul = bytes.find('\0'); nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);
    QString text = Decoded(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

HelpDialog::HelpDialog(QWidget* parent, TextLoader load) : QDialog(parent), load_(std::move(load)) {
    // Named as the menu command that opens it, as the about box is.
    setWindowTitle(tr("Помощь"));
    auto* column = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    text_ = new QPlainTextEdit(pages_);
    text_->setObjectName(QStringLiteral("edit1032"));
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pages_->addTab(text_, tr("Справка"));
    drawing_ = new PlateDrawing(pages_);
    pages_->addTab(drawing_, tr("Размеры пластины"));
    column->addWidget(pages_, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    column->addWidget(buttons);

    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen != nullptr ? screen->availableSize() * 9 / 10 : kPreferredSize;
    resize(kPreferredSize.boundedTo(room));
}

int HelpDialog::exec() {
    const std::optional<QString> text = load_ ? load_() : std::nullopt;
    if (!text) {
        QMessageBox::warning(parentWidget(), tr("Внимание!"),
                             tr("В папке с программой отсутствует файл %1").arg(HelpFileName()));
        return QDialog::Rejected;
    }
    text_->setPlainText(*text);
    return QDialog::exec();
}

}  // namespace quirn
