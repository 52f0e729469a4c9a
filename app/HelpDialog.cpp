#include "app/HelpDialog.h"

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "model/FileAccess.h"
#include "model/TextCodec.h"
#include "render/SymbolImages.h"

namespace quirn {
namespace {

// Far beyond any help text; it only keeps a foreign file from filling memory.
constexpr std::size_t kHelpReadLimit = std::size_t{64} << 20;

// 400 x 296 dialog units at 96 dpi: 1.5 pixels across and 1.625 down per unit.
QRect DialogRect(int x, int y, int width, int height) {
    const auto across = [](int units) { return units * 3 / 2; };
    const auto down = [](int units) { return units * 13 / 8; };
    return {across(x), down(y), across(width), down(height)};
}

}  // namespace

std::optional<QString> LoadHelpText() {
    const QString path = FindDataFile(QStringLiteral("ReadMe.txt"));
    if (path.isEmpty()) return std::nullopt;
    const FileReadResult read = ReadFileHead(path.toStdString(), kHelpReadLimit);
    if (read.error != FileError::None) return std::nullopt;
    std::string_view bytes = read.bytes;
    if (const auto nul = bytes.find('\0'); nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);
    QString text = QString::fromStdString(Cp1251ToUtf8(bytes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

CHelpDlg::CHelpDlg(QWidget* parent, TextLoader load) : QDialog(parent), load_(std::move(load)) {
    // Named as the menu command that opens it, as the about box is.
    setWindowTitle(tr("Помощь"));
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("edit1032"));
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setGeometry(DialogRect(7, 7, 386, 264));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    ok->setGeometry(DialogRect(174, 275, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(DialogRect(0, 0, 400, 296).size());
}

int CHelpDlg::exec() {
    const std::optional<QString> text = load_ ? load_() : std::nullopt;
    if (!text) {
        QMessageBox::warning(parentWidget(), tr("Внимание!"),
                             tr("В папке с программой отсутствует файл ReadMe.txt"));
        return QDialog::Rejected;
    }
    text_->setPlainText(*text);
    return QDialog::exec();
}

}  // namespace quirn
