#include "store/IniFile.h"

#include <QtTest>

#include <sstream>

using namespace kx;

class IniFileTest : public QObject {
    Q_OBJECT

  private slots:
    void readsWhatUsersWrite();
    void writesKeysInOrderAndKeepsTheRest();
};

void IniFileTest::readsWhatUsersWrite() {
    std::istringstream text("; written by hand\r\n"
                            "[form_hlav]\r\n"
                            "Left = 120\r\n"
                            "PageControl1->ActivePageIndex=3\r\n"
                            "Language=seven\r\n"
                            "Top=99999999999999999999\r\n"
                            "Width=-2147483649\r\n"
                            "IniDir=C:\\Bikes\\r1.ign\r\n"
                            "stray line\r\n"
                            "[PORTS]\r\n"
                            "Com2=/dev/ttyUSB1\r\n");
    IniFile ini;
    ini.Load(text);
    QCOMPARE(ini.Integer("FORM_HLAV", "Left", 0), 120L);
    QCOMPARE(ini.Integer("FORM_HLAV", "PageControl1->ActivePageIndex", 0), 3L);
    QCOMPARE(ini.Integer("FORM_HLAV", "Language", 2), 2L); // not a number: the default
    QCOMPARE(ini.Integer("FORM_HLAV", "Top", -5), -5L);    // beyond an int: the default
    QCOMPARE(ini.Integer("FORM_HLAV", "Width", 9), 9L);
    QCOMPARE(ini.Integer("FORM_HLAV", "Height", -5), -5L);
    QCOMPARE(ini.Text("FORM_HLAV", "IniDir", ""), std::string("C:\\Bikes\\r1.ign"));
    QCOMPARE(ini.Section("PORTS").size(), size_t(1));
    QCOMPARE(ini.Section("PORTS")[0].second, std::string("/dev/ttyUSB1"));
    QVERIFY(!ini.Text("NONE", "Left"));
}

void IniFileTest::writesKeysInOrderAndKeepsTheRest() {
    std::istringstream text("[PORTS]\nCom1=/dev/ttyUSB0\n[FORM_HLAV]\nLeft=1\n");
    IniFile ini;
    ini.Load(text);
    ini.SetInteger("FORM_HLAV", "Left", -20);
    ini.SetInteger("FORM_HLAV", "Top", 7);
    ini.SetText("FORM_HLAV", "PageControl1->ActivePageIndex", "2");
    std::ostringstream out;
    ini.Save(out);
    QCOMPARE(out.str(), std::string("[PORTS]\nCom1=/dev/ttyUSB0\n\n[FORM_HLAV]\nLeft=-20\nTop=7\n"
                                    "PageControl1->ActivePageIndex=2\n"));
}

QTEST_APPLESS_MAIN(IniFileTest)
#include "test_ini_file.moc"
