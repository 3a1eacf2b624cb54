#include "texts/LanguageTexts.h"
#include "ui/layout/LayoutHelpers.h"

#include "ui/widgets/Picture.h"

#include <QActionGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace kx {

namespace {

// The toolbar repeats these hints on its buttons.
const char kHintNew[] = "New|Set default parametrs";
const char kHintOpen[] = "Open|Open file with parametrs";
const char kHintSave[] = "Save|Save parametrs to file";
const char kHintPrint[] = "Print|Print parametrs";
const char kHintRead[] = "Read|Reading parametrs from ignition";
const char kHintVerify[] = "Verify|Compare set parametrs  with parametrs of ignition";
const char kHintProgram[] = "Programing|Programing  set parametrs to ignition";

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& title) {
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(QString(name) + "Action");
    return menu;
}

QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = {}, const QString& hint = {}) {
    auto* action = new QAction(caption, menu);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    if (!hint.isEmpty())
        SetHint(action, hint);
    menu->addAction(action);
    return action;
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(name);
}

QToolButton* AddGlyphButton(QWidget* parent, const char* name, const QIcon& icon,
                            const char* hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setFixedSize(27, 27);
    button->setFocusPolicy(Qt::NoFocus); // glyph buttons are no focus stops
    SetHint(button, hint);
    return button;
}

void BuildEditMenu(QMenuBar* bar, EditActions& edit) {
    edit.menu = AddMenu(bar, "MenuEdit", QString());
    QMenu* menu = edit.menu;
    edit.undo = AddItem(menu, "MenuUndo", QString(), QKeySequence::Undo);
    edit.redo = AddItem(menu, "MenuRedo", QString());
    edit.redo->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    AddSeparator(menu, "MenuEditSeparator1");
    edit.copy = AddItem(menu, "MenuCopyCells", QString(), QKeySequence("Ctrl+C"));
    edit.paste = AddItem(menu, "MenuPasteCells", QString(), QKeySequence("Ctrl+V"));
    edit.selectMap = AddItem(menu, "MenuSelectMap", QString(), QKeySequence("Ctrl+A"));
    AddSeparator(menu, "MenuEditSeparator2");
    edit.raise = AddItem(menu, "MenuRaiseCells", QString(), QKeySequence("+"));
    edit.lower = AddItem(menu, "MenuLowerCells", QString(), QKeySequence("-"));
    edit.setValue = AddItem(menu, "MenuSetCells", QString(), QKeySequence("="));
    edit.scale = AddItem(menu, "MenuScaleCells", QString(), QKeySequence("*"));
    edit.interpolateRows = AddItem(menu, "MenuInterpolateRows", QString());
    edit.interpolateColumns = AddItem(menu, "MenuInterpolateColumns", QString());
    edit.interpolateBoth = AddItem(menu, "MenuInterpolateBoth", QString(), QKeySequence("Ctrl+I"));
    edit.smooth = AddItem(menu, "MenuSmoothCells", QString(), QKeySequence("Ctrl+M"));
    AddSeparator(menu, "MenuEditSeparator3");
    edit.step = AddItem(menu, "MenuCellStep", QString());
}

} // namespace

void BuildMenu(QMainWindow* form, FrameControls& frame) {
    auto* bar = new QMenuBar(form);
    bar->setObjectName("MainMenu1");
    form->setMenuBar(bar);

    QMenu* file = AddMenu(bar, "MenuFile", "&File");
    frame.menu.newFile = AddItem(file, "MenuNew", "&New", QKeySequence("Ctrl+N"), kHintNew);
    AddSeparator(file, "N3");
    frame.menu.open = AddItem(file, "MenuOpen", "&Open", QKeySequence("F3"), kHintOpen);
    AddSeparator(file, "N1");
    frame.menu.save = AddItem(file, "MenuSave", "&Save", QKeySequence("F2"), kHintSave);
    AddSeparator(file, "N2");
    frame.menu.print = AddItem(file, "MenuPrint", "&Print", QKeySequence("Ctrl+P"), kHintPrint);
    frame.menu.printAll = AddItem(file, "MenuPrintAll", "Print all");
    AddSeparator(file, "N4");
    frame.menu.exit = AddItem(file, "MenuExit", "E&xit", {}, "Exit|End of program");

    BuildEditMenu(bar, frame.menu.edit);

    // The port items are added at start-up, one per port number.
    frame.comMenu = AddMenu(bar, "MenuCom", "&Com");
    SetHint(frame.comMenu->menuAction(), "Com|Set number of com ");

    QMenu* device = AddMenu(bar, "MenuDevice", "&Ignition");
    frame.menu.read = AddItem(device, "MenuRead", "&Read", QKeySequence("F7"), kHintRead);
    frame.menu.verify = AddItem(device, "MenuVerify", "&Verify", QKeySequence("F8"), kHintVerify);
    frame.menu.program =
        AddItem(device, "MenuProgram", "&Program", QKeySequence("F9"), kHintProgram);

    QMenu* tools = AddMenu(bar, "MenuTools", "Tools");
    frame.menu.advanceMinus = AddItem(tools, "AdvanceMinus", "Advance -", QKeySequence("F4"),
                                      "Curve A minus|Take off 1 degree of curve A");
    frame.menu.advancePlus = AddItem(tools, "AdvancePlus", "Advance +", QKeySequence("F5"),
                                     "Curve A plus|Add 1 degree of curve A");
    AddSeparator(tools, "MenuToolsSeparator");
    frame.menu.heatMap = AddItem(tools, "MenuHeatMap", "&Heat map", QKeySequence("Ctrl+H"));
    frame.menu.heatMap->setCheckable(true);
    frame.menu.curve = AddItem(tools, "MenuCurve", QString(), QKeySequence("Ctrl+K"));
    frame.menu.curve->setCheckable(true);
    frame.menu.trail = AddItem(tools, "MenuTrail", QString(), QKeySequence("Ctrl+T"));
    frame.menu.trail->setCheckable(true);
    frame.menu.dwell = AddItem(tools, "MenuDwell", QString());
    frame.menu.dwell->setCheckable(true);
    frame.menu.dwellReset = AddItem(tools, "MenuDwellReset", QString());

    // The unit's history and the comparisons have a menu of their own, so the File menu stays
    // as the window has always had it.
    frame.menu.historyMenu = AddMenu(bar, "MenuUnitHistory", QString());
    QMenu* history = frame.menu.historyMenu;
    frame.menu.history = AddItem(history, "MenuHistory", QString(), QKeySequence("Ctrl+Shift+H"));
    AddSeparator(history, "MenuUnitHistorySeparator");
    frame.menu.compareFile = AddItem(history, "MenuCompareFile", QString());
    frame.menu.compareUnit =
        AddItem(history, "MenuCompareUnit", QString(), QKeySequence("Ctrl+Shift+U"));

    // Logging has a menu of its own too. Start and stop share their key, so one key press
    // starts and the next stops; only one of the two is enabled at a time.
    frame.menu.logMenu = AddMenu(bar, "MenuLog", QString());
    QMenu* log = frame.menu.logMenu;
    frame.menu.startLogging = AddItem(log, "MenuStartLogging", QString(), QKeySequence("Ctrl+L"));
    frame.menu.stopLogging = AddItem(log, "MenuStopLogging", QString(), QKeySequence("Ctrl+L"));
    frame.menu.stopLogging->setEnabled(false);
    AddSeparator(log, "MenuLogSeparator");
    frame.menu.openLog = AddItem(log, "MenuOpenLog", QString(), QKeySequence("Ctrl+Shift+L"));
    frame.menu.logsFolder = AddItem(log, "MenuLogsFolder", QString());

    // Exactly one language carries the check mark.
    QMenu* language = AddMenu(bar, "MenuLanguage", "&Language");
    auto* languages = new QActionGroup(language);
    languages->setObjectName("MenuLanguageGroup");
    const char* const captions[kLanguageCount] = {"&English", "&German", "&French", "&Czech"};
    for (int i = 0; i < kLanguageCount; ++i) {
        QAction* action = AddItem(language, kLanguageMenuItems[i], captions[i]);
        action->setCheckable(true);
        action->setChecked(i == 0);
        languages->addAction(action);
        frame.menu.languages[size_t(i)] = action;
    }

    QMenu* help = AddMenu(bar, "MenuHelp", "&Help");
    frame.menu.contents = AddItem(help, "MenuContens", "&Contents...", QKeySequence("F1"));
    frame.menu.about = AddItem(help, "MenuAbout", "&About...");
}

QWidget* BuildToolBar(QWidget* parent, FrameControls& frame) {
    auto* box = new QGroupBox(parent);
    box->setObjectName("GroupBoxToolBar");
    frame.toolBar = box;
    box->setFixedSize(463, 43);
    KeepPlaceWhenHidden(box); // hidden while printing; the pages must not move up
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(2);

    QStyle* style = box->style();
    ToolBarButtons& buttons = frame.buttons;
    buttons.newFile =
        AddGlyphButton(box, "SpeedButton6", style->standardIcon(QStyle::SP_FileIcon), kHintNew);
    buttons.open = AddGlyphButton(box, "SpeedButton5",
                                  style->standardIcon(QStyle::SP_DialogOpenButton), kHintOpen);
    buttons.save = AddGlyphButton(box, "SpeedButton7",
                                  style->standardIcon(QStyle::SP_DialogSaveButton), kHintSave);
    buttons.print = AddGlyphButton(box, "SpeedButtonPrint", PrinterIcon(), kHintPrint);
    for (QToolButton* glyph : {buttons.newFile, buttons.open, buttons.save, buttons.print})
        row->addWidget(glyph);
    row->addSpacing(16);

    const struct {
        QPushButton*& slot;
        const char* name;
        const char* caption;
        const char* hint;
    } exchange[] = {{buttons.read, "ButtonRead", "&Read", kHintRead},
                    {buttons.verify, "BitBtnVerify", "&Verify", kHintVerify},
                    {buttons.program, "BitBtnProgram", "&Program", kHintProgram}};
    for (const auto& field : exchange) {
        field.slot = MakeButton(field.name, field.caption, box);
        field.slot->setFixedHeight(27);
        SetHint(field.slot, field.hint);
        row->addWidget(field.slot, 1);
    }
    return box;
}

} // namespace kx
