#include "ui/LanguageApplier.h"

#include "texts/HistoryTexts.h"
#include "texts/LanguageTexts.h"
#include "texts/LogTexts.h"
#include "texts/WorkbenchTexts.h"
#include "ui/FormHlav.h"
#include "ui/layout/LayoutHelpers.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

#include <optional>

namespace kx {

namespace {

// The tab widget showing `page` as one of its pages, or nullptr.
QTabWidget* TabsOf(QWidget* page) {
    for (QWidget* w = page->parentWidget(); w; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            return tabs->indexOf(page) >= 0 ? tabs : nullptr;
    }
    return nullptr;
}

void SetCaption(QObject* target, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(target)) {
        action->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(target)) {
        group->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(target)) {
        label->setText(text);
    } else if (auto* widget = qobject_cast<QWidget*>(target)) {
        if (widget->isWindow()) {
            widget->setWindowTitle(text);
        } else if (QTabWidget* tabs = TabsOf(widget)) {
            tabs->setTabText(tabs->indexOf(widget), text);
        }
    }
}

// Replaces an item's text in place, so the current selection stays where it was.
void SetItem(QObject* target, int item, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(target)) {
        if (item < combo->count())
            combo->setItemText(item, text);
    } else if (auto* buttons = target->findChild<QButtonGroup*>()) {
        if (QAbstractButton* button = buttons->button(item))
            button->setText(text);
    }
}

void SetHintOf(QObject* target, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(target)) {
        SetHint(menu->menuAction(), text);
    } else if (auto* action = qobject_cast<QAction*>(target)) {
        SetHint(action, text);
    } else if (auto* widget = qobject_cast<QWidget*>(target)) {
        SetHint(widget, text);
    }
}

QString WorkbenchCaption(WorkbenchText text, uint8_t languageIndex) {
    return QString::fromStdString(WorkbenchTextIn(text, languageIndex));
}

// The tuning aids' and the history's fixed captions; those that change with the record (undo, redo,
// raise and lower by the step) are the edit commands' own.
void ApplyWorkbenchTexts(const MenuActions& menu, uint8_t languageIndex) {
    const EditActions& edit = menu.edit;
    const struct {
        QAction* action;
        WorkbenchText caption;
        std::optional<WorkbenchText> hint;
    } items[] = {{menu.heatMap, WorkbenchText::HeatMap, WorkbenchText::HeatMapHint},
                 {menu.curve, WorkbenchText::Curve, WorkbenchText::CurveHint},
                 {menu.trail, WorkbenchText::Trail, WorkbenchText::TrailHint},
                 {menu.dwell, WorkbenchText::Dwell, WorkbenchText::DwellHint},
                 {menu.dwellReset, WorkbenchText::DwellReset, std::nullopt},
                 {edit.copy, WorkbenchText::CopyCells, std::nullopt},
                 {edit.paste, WorkbenchText::PasteCells, std::nullopt},
                 {edit.selectMap, WorkbenchText::SelectMap, std::nullopt},
                 {edit.setValue, WorkbenchText::SetCells, std::nullopt},
                 {edit.scale, WorkbenchText::ScaleCells, std::nullopt},
                 {edit.interpolateRows, WorkbenchText::InterpolateRows, std::nullopt},
                 {edit.interpolateColumns, WorkbenchText::InterpolateColumns, std::nullopt},
                 {edit.interpolateBoth, WorkbenchText::InterpolateBoth, std::nullopt},
                 {edit.smooth, WorkbenchText::SmoothCells, std::nullopt},
                 {edit.step, WorkbenchText::CellStep, std::nullopt}};
    for (const auto& item : items) {
        item.action->setText(WorkbenchCaption(item.caption, languageIndex));
        if (item.hint)
            SetHint(item.action, WorkbenchCaption(*item.hint, languageIndex));
    }
    edit.menu->setTitle(WorkbenchCaption(WorkbenchText::EditMenu, languageIndex));
    const std::pair<QAction*, HistoryText> historyItems[] = {
        {menu.history, HistoryText::MenuHistory},
        {menu.compareFile, HistoryText::MenuCompareFile},
        {menu.compareUnit, HistoryText::MenuCompareUnit}};
    for (const auto& [action, caption] : historyItems)
        action->setText(QString::fromStdString(HistoryTextIn(caption, languageIndex)));
    menu.historyMenu->setTitle(
        QString::fromStdString(HistoryTextIn(HistoryText::HistoryMenu, languageIndex)));
    const std::pair<QAction*, LogText> logItems[] = {{menu.startLogging, LogText::MenuStartLogging},
                                                     {menu.stopLogging, LogText::MenuStopLogging},
                                                     {menu.openLog, LogText::MenuOpenLog},
                                                     {menu.logsFolder, LogText::MenuLogsFolder}};
    for (const auto& [action, caption] : logItems)
        action->setText(QString::fromStdString(LogTextIn(caption, languageIndex)));
    menu.logMenu->setTitle(QString::fromStdString(LogTextIn(LogText::LogMenu, languageIndex)));
}

} // namespace

void ApplyLanguageTexts(TFormHlav& form, uint8_t languageIndex, const MessageTexts& messages,
                        bool noConnection) {
    const FormControls& controls = form.controls();
    for (int i = 0; i < kLanguageCount; ++i)
        controls.frame.menu.languages[size_t(i)]->setChecked(i == languageIndex);
    ApplyWorkbenchTexts(controls.frame.menu, languageIndex);

    for (const ControlText& entry : LanguageTexts(languageIndex, messages)) {
        const QString name = QString::fromStdString(entry.control);
        QObject* target = controls.byName.value(name);
        Q_ASSERT_X(target, "ApplyLanguageTexts", qPrintable(name));
        if (!target)
            continue;
        const QString text = QString::fromStdString(entry.text);
        switch (entry.kind) {
        case TextKind::Caption:
            SetCaption(target, text);
            break;
        case TextKind::Item:
            SetItem(target, entry.item, text);
            break;
        case TextKind::Hint:
            SetHintOf(target, text);
            break;
        case TextKind::Placeholder:
            if (noConnection)
                SetCaption(target, text);
            break;
        }
    }
}

} // namespace kx
