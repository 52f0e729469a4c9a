// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/scales/ScalesWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "editing/ScaleSession.h"
#include "model/ExtensionText.h"
#include "model/ScaleLaw.h"
#include "model/TextCodec.h"
#include "render/Saturate.h"
#include "view/dialogs/UserPrompts.h"
#include "view/scales/ColourChoice.h"
#include "view/scales/LabelLooks.h"
#include "view/scales/PlateItemsPage.h"
#include "view/scales/ScalePage.h"
#include "view/scales/ZoneTable.h"

namespace quirn {
namespace {

// Scrolls down only, as wide as the least width of what it holds, pages added later included.
class DownScrollArea : public QScrollArea {
  public:
    QSize minimumSizeHint() const override {
        const int held = widget() != nullptr ? widget()->minimumSizeHint().width() : 0;
        return {held + verticalScrollBar()->sizeHint().width() + 2 * frameWidth(),
                QScrollArea::minimumSizeHint().height()};
    }
    QSize sizeHint() const override {
        return {minimumSizeHint().width(), QScrollArea::sizeHint().height()};
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
        return QScrollArea::eventFilter(watched, event);
    }
};

// A new scale's ticks stand this far inside scale 1's, clear of its numbers: 8 mm.
constexpr std::int32_t kNewScaleInset = 800;

}  // namespace

ScalesWindow::ScalesWindow(ScaleSession& session, UserPrompts& prompts, QWidget* parent)
    : QDockWidget(tr("Шкалы"), parent), session_(session), prompts_(prompts) {
    setObjectName(QStringLiteral("scalesWindow"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    auto* body = new QWidget;
    auto* column = new QVBoxLayout(body);

    pages_ = new QTabWidget(body);
    column->addWidget(pages_);
    auto* scaleButtons = new QHBoxLayout;
    addScale_ = new QPushButton(tr("Добавить шкалу"), body);
    removeScale_ = new QPushButton(tr("Удалить шкалу"), body);
    scaleButtons->addWidget(addScale_);
    scaleButtons->addWidget(removeScale_);
    column->addLayout(scaleButtons);

    auto* zoneBox = new QGroupBox(tr("Цветные зоны"), body);
    auto* zoneLayout = new QVBoxLayout(zoneBox);
    zones_ = new ZoneTable(prompts_, zoneBox);
    zoneLayout->addWidget(zones_);
    column->addWidget(zoneBox);

    auto* labelBox = new QGroupBox(tr("Надписи (пустая не печатается)"), body);
    auto* labels = new QFormLayout(labelBox);
    origin_ = new QLineEdit(labelBox);
    standard_ = new QLineEdit(labelBox);
    labels->addRow(tr("Надпись изготовителя"), origin_);
    labels->addRow(tr("Надпись стандарта"), standard_);
    column->addWidget(labelBox);
    looks_ = new LabelLooks(prompts_, body);
    column->addWidget(looks_);
    column->addStretch(1);

    // The fields scroll; Apply stays in sight below them.
    auto* scroll = new DownScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(body);
    auto* outer = new QWidget(this);
    auto* outerLayout = new QVBoxLayout(outer);
    outerLayout->setContentsMargins(0, 0, 0, 0);
    // The scales on one tab, the plate's texts, pictures and places on another.
    auto* sections = new QTabWidget(outer);
    sections->addTab(scroll, tr("Шкалы"));
    items_ = new PlateItemsPage(session_, prompts_);
    sections->addTab(items_, tr("Надписи и рисунки"));
    outerLayout->addWidget(sections, 1);
    apply_ = new QPushButton(tr("Применить"), outer);
    outerLayout->addWidget(apply_);
    setWidget(outer);

    // A further scale's page is the widest: the window is as wide from the start, so that adding
    // a scale does not push the panel aside.
    auto* widest = new ScalePage(PageScale::Further, prompts_);
    pages_->addTab(widest, QString());
    pages_->setMinimumWidth(pages_->minimumSizeHint().width());
    pages_->removeTab(0);
    delete widest;
    AddPage();
    connect(addScale_, &QPushButton::clicked, this, [this] { addScale(); });
    connect(removeScale_, &QPushButton::clicked, this, [this] { removeScale(); });
    connect(pages_, &QTabWidget::currentChanged, this, [this] { UpdateButtons(); });
    connect(zones_->addButton(), &QPushButton::clicked, this, [this] { addZone(); });
    connect(apply_, &QPushButton::clicked, this, [this] { applyEdits(); });
    Watch(origin_);
    Watch(standard_);
    Watch(looks_);
    connect(looks_, &LabelLooks::edited, this, [this] { ShowUnapplied(); });
    connect(zones_, &ZoneTable::edited, this, [this] { ShowUnapplied(); });
    connect(items_, &PlateItemsPage::edited, this, [this] { ShowUnapplied(); });
    // The window follows the record from now on, and so does its texts-and-pictures tab.
    ApplyGroup::Of(session_).Add(this, this);
    UpdateButtons();
}

int ScalesWindow::scaleCount() const {
    return pages_->count();
}

ScalePage* ScalesWindow::page(int scale) const {
    return qobject_cast<ScalePage*>(pages_->widget(scale - 1));
}

ScalePage* ScalesWindow::AddPage() {
    auto* page =
        new ScalePage(pages_->count() == 0 ? PageScale::First : PageScale::Further, prompts_);
    page->setFirstRange([this] { return session_.scene().params.range; });
    pages_->addTab(page, QString());
    Watch(page);
    connect(page->colour(), &ColourChoice::edited, this, [this] { ShowUnapplied(); });
    Renumber();
    UpdateButtons();
    ShowUnapplied();
    return page;
}

void ScalesWindow::Watch(QWidget* widget) {
    for (QLineEdit* edit : widget->findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::textChanged, this, [this] { ShowUnapplied(); });
        connect(edit, &QLineEdit::returnPressed, this, [this] { applyEdits(); });
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textChanged, this, [this] { ShowUnapplied(); });
        connect(edit, &QLineEdit::returnPressed, this, [this] { applyEdits(); });
    }
    for (QComboBox* box : widget->findChildren<QComboBox*>())
        connect(box, &QComboBox::currentIndexChanged, this, [this] { ShowUnapplied(); });
    for (QCheckBox* box : widget->findChildren<QCheckBox*>())
        connect(box, &QCheckBox::stateChanged, this, [this] { ShowUnapplied(); });
}

void ScalesWindow::ShowUnapplied() {
    const bool unapplied = HasUnappliedEdits() || items_->HasUnappliedEdits();
    if (unapplied == unappliedShown_) return;
    unappliedShown_ = unapplied;
    ShowUnappliedMark(*apply_, unapplied);
}

void ScalesWindow::RemoveFurtherPages() {
    while (pages_->count() > 1) {
        QWidget* last = pages_->widget(pages_->count() - 1);
        pages_->removeTab(pages_->count() - 1);
        delete last;
    }
}

void ScalesWindow::Renumber() {
    for (int k = 0; k < pages_->count(); ++k) pages_->setTabText(k, tr("Шкала %1").arg(k + 1));
}

void ScalesWindow::UpdateButtons() {
    addScale_->setEnabled(pages_->count() < kMaxScales);
    removeScale_->setEnabled(pages_->currentIndex() > 0);
}

void ScalesWindow::FillPage(const ScaleParameters& p) {
    const int shown = pages_->currentIndex();
    RemoveFurtherPages();
    page(1)->Fill(p);
    for (std::size_t k = 0; k < p.ext.further.size() && k + 2 <= kMaxScales; ++k)
        AddPage()->Fill(p.ext.further[k]);
    pages_->setCurrentIndex(std::min(shown, pages_->count() - 1));
    zones_->Fill(p.ext.zones);
    origin_->setText(QString::fromStdString(DisplayText(p.ext.origin, p.ext.originUtf8)));
    standard_->setText(QString::fromStdString(DisplayText(p.ext.standard, p.ext.standardUtf8)));
    looks_->Fill(p.ext);
    UpdateButtons();
}

void ScalesWindow::addScale() {
    if (pages_->count() >= kMaxScales) return;
    const ScaleParameters& p = session_.scene().params;
    FurtherScale scale;
    // A further scale exists through its keys: a new one starts with two.
    scale.set(&ScaleSetup::tickRadius, ClampToInt(std::int64_t{p.tickRadius} - kNewScaleInset));
    scale.set(&ScaleSetup::law, page(1)->law().value_or(p.law));
    ScalePage* added = AddPage();
    added->Fill(scale);
    pages_->setCurrentWidget(added);
}

void ScalesWindow::removeScale() {
    const int index = pages_->currentIndex();
    if (index <= 0) return;
    QWidget* removed = pages_->widget(index);
    pages_->removeTab(index);
    delete removed;
    zones_->RemoveScale(index + 1);
    Renumber();
    UpdateButtons();
    ShowUnapplied();
}

void ScalesWindow::addZone() {
    const int scale = pages_->currentIndex() + 1;
    double to = session_.scene().params.range;
    if (const auto range = page(scale)->edit(&ScaleSetup::range)) {
        std::string text = range->text().trimmed().toStdString();
        for (char& c : text)
            if (c == ',') c = '.';
        if (const auto own = ParseExactNumber(text)) to = *own;
    }
    zones_->AddZone({scale, 0.0, to, 0xFF0000});
}

void ScalesWindow::ShowRefusal(const QString& text) {
    prompts_.Warn(text);
}

QString ScalesWindow::StepName() const {
    return tr("изменение шкал");
}

Outcome ScalesWindow::ReadInto(ScaleParameters& record) const {
    // Scale 1's standard fields are the panel's: they stay as record has them.
    ScaleParameters& read = record;
    ScaleExtensions& ext = read.ext;
    const auto scaleFault = [](int scale, Outcome fault) {
        return Outcome::Within(Fault::InScale, {std::to_string(scale)}, std::move(fault));
    };
    if (Outcome fault = page(1)->ReadInto(read); !fault.ok()) return scaleFault(1, fault);
    ext.further.clear();
    for (int scale = 2; scale <= scaleCount(); ++scale) {
        FurtherScale further;
        if (Outcome fault = page(scale)->ReadInto(further); !fault.ok())
            return scaleFault(scale, fault);
        // A scale with no key of its own would not survive the file: it keeps scale 1's law.
        if (further.sets.none()) further.set(&ScaleSetup::law, read.law);
        ext.further.push_back(std::move(further));
    }
    if (Outcome fault = zones_->ReadInto(ext.zones); !fault.ok()) return fault;
    StoreTypedText(origin_->text().toStdString(), ext.origin, ext.originUtf8);
    StoreTypedText(standard_->text().toStdString(), ext.standard, ext.standardUtf8);
    return looks_->ReadInto(ext);
}

void ScalesWindow::applyEdits() {
    // Named for the page when only its fields changed.
    const bool itemsAlone = items_->HasUnappliedEdits() && !HasUnappliedEdits();
    ApplyGroup::Of(session_).Apply(itemsAlone ? static_cast<FieldEditor*>(items_) : this, prompts_);
}

}  // namespace quirn
