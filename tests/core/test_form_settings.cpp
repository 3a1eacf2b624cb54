// The window's settings keys: what loading keeps, and the file saving writes.
#include "store/FormSettings.h"

#include <QtTest>

#include <sstream>

using namespace kx;

namespace {

IniFile Parsed(const std::string& text) {
    std::istringstream in(text);
    IniFile ini;
    ini.Load(in);
    return ini;
}

std::string Saved(const IniFile& ini) {
    std::ostringstream out;
    ini.Save(out);
    return out.str();
}

} // namespace

class FormSettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void missingOrBadKeysKeepTheCurrentValues() {
        FormSettings settings;
        settings.left = 11;
        settings.top = 22;
        settings.comPort = 1;
        settings.file = "kept.ign";
        LoadFormSettings(Parsed("[form_hlav]\nTOP=-40\nComPort=x7\nLanguage=3\n"
                                "pagecontrol1->activepageindex=2\n[PORTS]\nLeft=5\n"),
                         settings);
        QCOMPARE(settings.left, 11L); // Left of another section is not the window's
        QCOMPARE(settings.top, -40L);
        QCOMPARE(settings.comPort, 1L);
        QCOMPARE(settings.language, 3L);
        QCOMPARE(settings.activePage, 2L);
        QCOMPARE(settings.file, std::string("kept.ign"));
    }

    void savingWritesEveryKeyInItsOrderAndKeepsTheRest() {
        IniFile ini = Parsed("[PORTS]\nCom1=/dev/ttyUSB0\n[FORM_HLAV]\nWidth=1\nMine=yes\n");
        FormSettings settings;
        settings.left = 123;
        settings.top = 45;
        settings.height = 850;
        settings.width = 1000;
        settings.comPort = 5;
        settings.language = 1;
        settings.file = "C:/tunes/race.ign";
        settings.iniDir = "C:/tunes/race.ign";
        settings.activePage = 2;
        SaveFormSettings(ini, settings);
        QCOMPARE(Saved(ini), std::string("[PORTS]\nCom1=/dev/ttyUSB0\n\n[FORM_HLAV]\nWidth=1000\n"
                                         "Mine=yes\nLeft=123\nTop=45\nHeight=850\nComPort=5\n"
                                         "Language=1\nFile=C:/tunes/race.ign\n"
                                         "IniDir=C:/tunes/race.ign\n"
                                         "PageControl1->ActivePageIndex=2\n"));
        FormSettings back;
        LoadFormSettings(ini, back);
        QCOMPARE(back.width, 1000L);
        QCOMPARE(back.iniDir, settings.iniDir);
        QCOMPARE(back.activePage, 2L);
    }

    // The tool's own switches live beside the window's section and leave it as it was.
    void workbenchSwitchesInASectionOfTheirOwn() {
        IniFile ini = Parsed("[FORM_HLAV]\nLeft=5\n");
        WorkbenchSettings settings;
        LoadWorkbenchSettings(ini, settings);
        QVERIFY(!settings.heatMap);
        QCOMPARE(settings.cellStep, 1);
        settings.heatMap = true;
        settings.cellStep = 4;
        SaveWorkbenchSettings(ini, settings);
        QCOMPARE(Saved(ini), std::string("[FORM_HLAV]\nLeft=5\n\n[KX_FLAM3_WORKBENCH]\nHeatMap=1\n"
                                         "Curve=0\nTrail=0\nDwell=0\nCellStep=4\n"));
        WorkbenchSettings back;
        LoadWorkbenchSettings(ini, back);
        QVERIFY(back.heatMap);
        QCOMPARE(back.cellStep, 4);
        LoadWorkbenchSettings(Parsed("[kx_flam3_workbench]\nHeatMap=junk\nCellStep=junk\n"), back);
        QVERIFY(back.heatMap); // a bad value keeps what there was
        QCOMPARE(back.cellStep, 4);
        // A step outside what the step question offers is no step the menu may show.
        for (const char* step : {"0", "-2", "11", "300"}) {
            LoadWorkbenchSettings(Parsed(std::string("[KX_FLAM3_WORKBENCH]\nCellStep=") + step),
                                  back);
            QCOMPARE(back.cellStep, 4);
        }
    }
};

QTEST_APPLESS_MAIN(FormSettingsTest)
#include "test_form_settings.moc"
