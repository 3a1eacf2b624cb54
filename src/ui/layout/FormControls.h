#pragma once

#include "config/AppChoices.h"
#include "config/ConfigBlock.h"

#include <QHash>
#include <QString>

#include <array>
#include <vector>

class QAction;
class QBoxLayout;
class QObject;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QToolButton;
class QWidget;

namespace kx {

class SpinButton;
class UpDown;

// An edit with the up-down that steps it. Both carry the field's name: "Edit<name>",
// "UpDown<name>".
struct SpinField {
    QLineEdit* edit = nullptr;
    UpDown* upDown = nullptr;
};

// The Edit menu: undo and redo of every change of the record, and the commands on the block of
// map cells selected. Its captions come with the language; the block's keys work while the focus
// is on the map page, so a key pressed elsewhere never changes cells the user does not see.
struct EditActions {
    QMenu* menu = nullptr;                 // MenuEdit
    QAction* undo = nullptr;               // MenuUndo
    QAction* redo = nullptr;               // MenuRedo
    QAction* copy = nullptr;               // MenuCopyCells
    QAction* paste = nullptr;              // MenuPasteCells
    QAction* selectMap = nullptr;          // MenuSelectMap
    QAction* raise = nullptr;              // MenuRaiseCells
    QAction* lower = nullptr;              // MenuLowerCells
    QAction* setValue = nullptr;           // MenuSetCells
    QAction* scale = nullptr;              // MenuScaleCells
    QAction* interpolateRows = nullptr;    // MenuInterpolateRows
    QAction* interpolateColumns = nullptr; // MenuInterpolateColumns
    QAction* interpolateBoth = nullptr;    // MenuInterpolateBoth
    QAction* smooth = nullptr;             // MenuSmoothCells
    QAction* step = nullptr;               // MenuCellStep

    // Every command on the selected cells, in menu order.
    std::array<QAction*, 11> cellCommands() const {
        return {copy,  paste,           selectMap,          raise,           lower, setValue,
                scale, interpolateRows, interpolateColumns, interpolateBoth, smooth};
    }
};

// The menu items that start commands.
struct MenuActions {
    QAction* newFile = nullptr;      // MenuNew
    QAction* open = nullptr;         // MenuOpen
    QAction* save = nullptr;         // MenuSave
    QAction* print = nullptr;        // MenuPrint
    QAction* printAll = nullptr;     // MenuPrintAll
    QAction* exit = nullptr;         // MenuExit
    QAction* read = nullptr;         // MenuRead
    QAction* verify = nullptr;       // MenuVerify
    QAction* program = nullptr;      // MenuProgram
    QAction* advanceMinus = nullptr; // AdvanceMinus
    QAction* advancePlus = nullptr;  // AdvancePlus
    QAction* heatMap = nullptr;      // MenuHeatMap, checkable
    QAction* curve = nullptr;        // MenuCurve, checkable
    QAction* trail = nullptr;        // MenuTrail, checkable
    QAction* dwell = nullptr;        // MenuDwell, checkable
    QAction* dwellReset = nullptr;   // MenuDwellReset
    QMenu* historyMenu = nullptr;    // MenuUnitHistory
    QAction* history = nullptr;      // MenuHistory
    QAction* compareFile = nullptr;  // MenuCompareFile
    QAction* compareUnit = nullptr;  // MenuCompareUnit
    QMenu* logMenu = nullptr;        // MenuLog
    QAction* startLogging = nullptr; // MenuStartLogging
    QAction* stopLogging = nullptr;  // MenuStopLogging, enabled while logging
    QAction* openLog = nullptr;      // MenuOpenLog
    QAction* logsFolder = nullptr;   // MenuLogsFolder
    EditActions edit;
    std::array<QAction*, kLanguageCount> languages{}; // kLanguageMenuItems, in language order
    QAction* contents = nullptr;                      // MenuContens
    QAction* about = nullptr;                         // MenuAbout
};

// The tool bar's glyph buttons and the three exchange buttons beside them.
struct ToolBarButtons {
    QToolButton* newFile = nullptr; // SpeedButton6
    QToolButton* open = nullptr;    // SpeedButton5
    QToolButton* save = nullptr;    // SpeedButton7
    QToolButton* print = nullptr;   // SpeedButtonPrint
    QPushButton* read = nullptr;    // ButtonRead
    QPushButton* verify = nullptr;  // BitBtnVerify
    QPushButton* program = nullptr; // BitBtnProgram
};

// Around the pages: menu, tool bar, connection and error labels, test labels, status bar.
struct FrameControls {
    MenuActions menu;
    QMenu* comMenu = nullptr;     // MenuCom, filled with the port items at start-up
    QGroupBox* toolBar = nullptr; // GroupBoxToolBar
    ToolBarButtons buttons;
    QLabel* connection = nullptr;      // LabelSpojeni
    QTabWidget* pages = nullptr;       // PageControl1
    QLabel* dataError = nullptr;       // LabelEeDataErr
    QLabel* version = nullptr;         // LabelVersion
    std::array<QLabel*, 8> tests = {}; // LabelTest1 .. LabelTest8
    QStatusBar* statusBar = nullptr;   // StatusBar1
    QLabel* picture = nullptr;         // Image2
    QBoxLayout* topRow = nullptr;      // the tool bar's row, where a compact window puts Image2
};

// The live column beside the pages.
struct MonitorControls {
    QLabel* rpm = nullptr;                // LabelRpm
    QProgressBar* rpmGauge = nullptr;     // CGaugeRpm
    QLabel* tps = nullptr;                // LabelTpsMon
    QProgressBar* tpsGauge = nullptr;     // CGaugeTps
    std::array<QLabel*, 2> advance = {};  // LabelAdvance1, LabelAdvance2
    std::array<QLabel*, 2> pickups = {};  // LabelMonSnimac1, LabelMonSnimac2
    QLabel* voltage = nullptr;            // LabelNapeti
    QLabel* servoDesired = nullptr;       // LabelPriveraPoz
    QLabel* servoMeasured = nullptr;      // LabelPriveraMer
    QLabel* blocking = nullptr;           // LabelBlocking1
    QLabel* pilotLight = nullptr;         // LabelMonPilotLight
    QLabel* clutch = nullptr;             // LabelClutchMon
    QLabel* retard = nullptr;             // LabelMonRetard
    QLabel* startLimiter = nullptr;       // LabelMonStartLimiterOut
    QLabel* killSwitch = nullptr;         // LabelKillSwitch
    QLabel* message = nullptr;            // LabelHlaseni
    QProgressBar* programGauge = nullptr; // CGaugeProgram
    QWidget* curveArea = nullptr;         // CurveArea: the curves' place, empty until shown
};

// A value row of the miscellaneous page: its spin field and caption.
struct ValueRow {
    SpinField field;
    QLabel* label = nullptr; // Label<name>
};

struct MiscellaneousPage {
    ValueRow startLimiter; // Omez1
    ValueRow limiter;      // Omez2
    ValueRow pilotLight;
    ValueRow clutchTime;
    ValueRow clutchPause;
    ValueRow retard;
    ValueRow noIgnitionRevs; // PocSynchro
    SpinField tps0;
    SpinField tps100;
    QPushButton* setTps0 = nullptr;           // BitBtnTps0
    QPushButton* setTps100 = nullptr;         // BitBtnTps100
    QCheckBox* programAfterChange = nullptr;  // CheckBoxProgHned
    QCheckBox* noReading = nullptr;           // CheckBoxZakazCteni
    std::array<QButtonGroup*, 2> inputs = {}; // RadioGroupInput1Buttons, RadioGroupInput2Buttons
    std::array<QLabel*, 2> inputStates = {};  // LabelMonInput1In, LabelMonInput2In
};

// One advance row of a channel: the lobe number and its two edge and pick-up boxes.
struct LobeRow {
    QLabel* label = nullptr;           // LabelPalec<n>Zac / LabelPalec<n>End
    SpinField lobe;                    // Palec<n>Zac / Palec<n>End
    QCheckBox* secondEdge = nullptr;   // CheckBoxPalec<n>...H2
    QCheckBox* secondPickup = nullptr; // CheckBoxPalec<n>...P2
};

struct LobeChannel {
    QGroupBox* group = nullptr; // GroupBoxPalec<n>
    LobeRow maximumAdvance;     // ...Zac
    LobeRow startAdvance;       // ...End
};

struct BikePage {
    QComboBox* bike = nullptr;                   // ComboBoxBike
    SpinField tachoPulses;                       // RpmPulsu
    SpinField tachoCorrection;                   // RpmKorekce
    std::array<QCheckBox*, 2> invertPickup = {}; // CheckBoxInvInput1, CheckBoxInvInput2
    std::array<QLabel*, 3> unitVersion = {};     // LabelVerze1 .. LabelVerze3
    QLabel* file = nullptr;                      // LabelFile2
    QLabel* programCount = nullptr;              // LabelPocetProgramovani

    // The synchronisation description of the special type.
    QGroupBox* special = nullptr;    // GroupBoxSpecial
    QLabel* synchroLabel = nullptr;  // LabelSynchro
    QComboBox* synchro = nullptr;    // ComboBoxSynchro
    ValueRow lobeCount;              // PocPalcu
    ValueRow outputCount;            // PocKanalu
    QLabel* lobeHeading = nullptr;   // LabelLobe
    QLabel* edgeHeading = nullptr;   // LabelHrana2
    QLabel* pickupHeading = nullptr; // LabelSnimac2
    std::array<LobeChannel, 2> channels;
    QComboBox* lobesPerTurn = nullptr;     // ComboBoxNasobekPalcu
    QLabel* compensationLabel = nullptr;   // LabelKompenz
    std::array<SpinField, 2> compensation; // Kompenz1, Kompenz2
};

struct AdvancePage {
    QGroupBox* group = nullptr;                              // GroupBox6
    QLabel* corner = nullptr;                                // LabelRpm1
    std::array<SpinField, kMapColumns> axis;                 // RpmAdv1 .. RpmAdv10
    std::array<QLabel*, kMapRows> rowLabels = {};            // LabelTps1 .. LabelTps10
    std::array<SpinField, kMapRows * kMapColumns> cells;     // 50 .. 149, 10 × row + column
    std::array<SpinButton*, kMapColumns> columnButtons = {}; // CSpinButton1 .. CSpinButton10
    QCheckBox* tpsRows = nullptr;                            // CheckBoxTpsMapa
    QPushButton* minus = nullptr;                            // BitBtnAdvMinus
    QPushButton* plus = nullptr;                             // BitBtnAdvPlus
    QCheckBox* all = nullptr;                                // CheckBoxIgnAll
    SpinField baseAdvance;                                   // BaseAdv
    QLabel* baseAdvanceLabel = nullptr;                      // LabelBaseAdv
};

struct ServoPage {
    QCheckBox* enable = nullptr;            // CheckBoxPrivEnable
    QGroupBox* group = nullptr;             // GroupBoxPrivera
    std::array<SpinField, kAxisPoints> rpm; // RpmPriv1 .. RpmPriv10
    std::array<SpinField, kAxisPoints> mv;  // NapPriv1 .. NapPriv10
    SpinField hysteresis;                   // PrivHyster
    QPushButton* minus = nullptr;           // BitBtnServoMinus
    QPushButton* plus = nullptr;            // BitBtnServoPlus
    QCheckBox* all = nullptr;               // CheckBoxServoAll
};

// The controls of the main window that behaviour reaches, as built by BuildFormLayout.
struct FormControls {
    FrameControls frame;
    MonitorControls monitor;
    MiscellaneousPage miscellaneous;
    BikePage bike;
    AdvancePage advance;
    ServoPage servo;
    // Parallel to SpinFields() and CheckFields(): entry i is the control of the table's field i.
    std::vector<SpinField> spinFields;
    std::vector<QCheckBox*> checkFields;
    // Every named object of the window, the window included, by object name: the one place where
    // a name becomes a control, for the tables keyed by name (the language texts).
    QHash<QString, QObject*> byName;
};

} // namespace kx
