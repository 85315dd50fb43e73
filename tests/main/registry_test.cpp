#include "ExternalProgram.h"
#include "HeadlessRun.h"
#include "Registry.h"

#include "SettingsStore.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>

namespace automation {
void PrintTo(const Variant& value, std::ostream* out) {
    *out << Describe(value);
}
} // namespace automation

namespace {

using automation::Variant;

// The suite's 37 parameters with their defaults, in their table order, as a plain INI file.
const char* const kSuiteDefaultsIni = "[Global Parameters]\n"
                                      "TxLatDeg_DD=\"  \"\n"
                                      "TxLatMin_MM=\"  \"\n"
                                      "TxLatSec_SS=\"  \"\n"
                                      "TxLatH_NS=N\n"
                                      "TxLonDeg_DDD=\"   \"\n"
                                      "TxLonMin_MM=\"  \"\n"
                                      "TxLonSec_SS=\"  \"\n"
                                      "TxLonH_EW=W\n"
                                      "RxLatDeg_DD=\"  \"\n"
                                      "RxLatMin_MM=\"  \"\n"
                                      "RxLatSec_SS=\"  \"\n"
                                      "RxLatH_NS=N\n"
                                      "RxLonDeg_DDD=\"   \"\n"
                                      "RxLonMin_MM=\"  \"\n"
                                      "RxLonSec_SS=\"  \"\n"
                                      "RxLonH_EW=W\n"
                                      "TxHt_m=0\n"
                                      "RxHt_m=0\n"
                                      "TxLoss_dB=0\n"
                                      "RxLoss_dB=0\n"
                                      "TxGain_dBi=0\n"
                                      "RxGain_dBi=0\n"
                                      "TxPower_w=0\n"
                                      "TxPolar_HV=H\n"
                                      "RxPolar_HV=H\n"
                                      "TxFreq_MHz=100\n"
                                      "Refrac_Nunits=301\n"
                                      "Humidity_gm3=10\n"
                                      "GrndCond_Sm=0.005\n"
                                      "GrndDiel=15\n"
                                      "DeltaH_m=90\n"
                                      "PctTime_pct=0.5\n"
                                      "PctLoc_pct=0.5\n"
                                      "Dist_Km=1\n"
                                      "Terrix_Drive=1\n"
                                      "TerrainHandler=Terrix\n"
                                      "CalledFromOrbel=False\n";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QByteArray Text(const QString& application) const {
        QFile file(dir_.path() + "/ProgramSettings/" + application + ".ini");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The planning suite's own write of one value.
    static void StoreSuiteValue(const char* key, const char* text) {
        ASSERT_TRUE(settings::SaveSetting(Registry::kSuiteApplication, Registry::kSuiteSection, key, text));
    }
    static QString StoredSuiteValue(const char* key) {
        return settings::GetSetting(Registry::kSuiteApplication, Registry::kSuiteSection, key, "<absent>");
    }

    testsupport::TemporaryHome dir_;
};

TEST_F(RegistryTest, EmptyStoreGivesTheTableDefaultsInTableOrder) {
    const Registry registry;
    const std::vector<OrbelGlobal>& globals = registry.Globals();
    ASSERT_EQ(globals.size(), 37u);
    EXPECT_EQ(globals.front().ID(), "TxLatDeg_DD");
    EXPECT_EQ(globals[16].ID(), "TxHt_m");
    EXPECT_EQ(globals[34].ID(), "Terrix_Drive");
    EXPECT_EQ(globals.back().ID(), "CalledFromOrbel");
    EXPECT_FALSE(registry.OrbelActive());
    EXPECT_EQ(registry.OrbelGlobal("TxFreq_MHz"), Variant::R8(100));
    EXPECT_EQ(registry.OrbelGlobal("TxLatDeg_DD"), Variant::Str("  "));
    EXPECT_EQ(registry.OrbelGlobal("TxLonDeg_DDD"), Variant::Str("   "));
    EXPECT_EQ(registry.OrbelGlobal("Terrix_Drive"), Variant::I2(1));
    EXPECT_EQ(registry.OrbelGlobal("GrndCond_Sm"), Variant::R8(0.005));
    EXPECT_EQ(registry.OrbelGlobal("CalledFromOrbel"), Variant::Bool(false));
    EXPECT_EQ(registry.Appname(), "");
    EXPECT_EQ(registry.Section(), "");
    EXPECT_EQ(registry.Key(), "");
    EXPECT_EQ(registry.Setting(), "");
}

TEST_F(RegistryTest, SavingTheDefaultsWritesAll37KeysExactly) {
    ASSERT_TRUE(Registry().SaveOrbelGlobals());
    EXPECT_EQ(Text("Veltrix_Orbel"), kSuiteDefaultsIni);
}

TEST_F(RegistryTest, SuiteValuesAreWrittenTheSameUnderAGermanLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // when the machine has it
    ASSERT_TRUE(Registry().SaveOrbelGlobals());
    std::setlocale(LC_NUMERIC, "");
    EXPECT_EQ(Text("Veltrix_Orbel"), kSuiteDefaultsIni);
}

TEST_F(RegistryTest, ProgramKeysAreWrittenUnderTheProgramTitle) {
    Registry registry;
    registry.SetAppname("Brindel");
    registry.SetSection("Loss_FieldStrength");
    const std::pair<const char*, const char*> values[] = {{"Units", "Metric"},
                                                          {"TempLogName", "/tmp/log 1.tmp"},
                                                          {"AreaType", "Urban"},
                                                          {"CitySize", "Small/Medium"},
                                                          {"PCTTIME", "50"},
                                                          {"PCTLOC", "50"},
                                                          {"Dist", "10.0"},
                                                          {"Freq", "450.0"},
                                                          {"HB", "100.0"},
                                                          {"HM", "1.5"},
                                                          {"InfoScreen", "ShowScreen"}};
    for (const auto& [key, value] : values) {
        registry.SetKey(key);
        registry.SetSetting(value);
        ASSERT_TRUE(registry.RegSave()) << key;
    }
    EXPECT_EQ(Text("Brindel"), "[Loss_FieldStrength]\n"
                               "Units=Metric\n"
                               "TempLogName=/tmp/log 1.tmp\n"
                               "AreaType=Urban\n"
                               "CitySize=Small/Medium\n"
                               "PCTTIME=50\n"
                               "PCTLOC=50\n"
                               "Dist=10.0\n"
                               "Freq=450.0\n"
                               "HB=100.0\n"
                               "HM=1.5\n"
                               "InfoScreen=ShowScreen\n");
    for (const auto& [key, value] : values) {
        registry.SetSetting("stale");
        registry.SetKey(key);
        registry.RegGet();
        EXPECT_EQ(registry.Setting(), value);
    }
}

TEST_F(RegistryTest, RegGetOfAnAbsentKeyGivesAnEmptySetting) {
    Registry registry;
    registry.SetAppname("Brindel");
    registry.SetSection("Loss_FieldStrength");
    registry.SetKey("HM");
    registry.SetSetting("1.5");
    registry.RegGet();
    EXPECT_EQ(registry.Setting(), "");
}

TEST_F(RegistryTest, RegDelRemovesTheCursorsKey) {
    Registry registry;
    registry.SetAppname("Brindel");
    registry.SetSection("Loss_FieldStrength");
    registry.SetKey("Units");
    registry.SetSetting("English");
    ASSERT_TRUE(registry.RegSave());
    EXPECT_TRUE(registry.RegDel());
    registry.RegGet();
    EXPECT_EQ(registry.Setting(), "");
}

TEST_F(RegistryTest, StoredSuiteValuesLoadInTheirParametersTypes) {
    StoreSuiteValue("TxFreq_MHz", "450");
    StoreSuiteValue("Terrix_Drive", "7");
    StoreSuiteValue("TxLatH_NS", "");
    StoreSuiteValue("PctTime_pct", "0.9");
    StoreSuiteValue("CalledFromOrbel", "true");
    StoreSuiteValue("TxLatDeg_DD", " 5");
    const Registry registry;
    EXPECT_EQ(registry.OrbelGlobal("TxFreq_MHz"), Variant::R8(450));
    EXPECT_EQ(registry.OrbelGlobal("Terrix_Drive"), Variant::I2(7));
    EXPECT_EQ(registry.OrbelGlobal("TxLatH_NS"), Variant::Str("N"));
    EXPECT_EQ(registry.OrbelGlobal("PctTime_pct"), Variant::R8(0.9));
    EXPECT_EQ(registry.OrbelGlobal("TxLatDeg_DD"), Variant::Str(" 5"));
    EXPECT_TRUE(registry.OrbelActive());
}

// A value the suite or a person left in the store that does not fit its parameter keeps that
// parameter's default; the rest still load and the program starts.
TEST_F(RegistryTest, BadStoredValuesKeepTheirDefaultsAndLoadingGoesOn) {
    const std::pair<const char*, const char*> bad[] = {
        {"TxFreq_MHz", "abc"},     {"Terrix_Drive", "40000"},
        {"Terrix_Drive", "1.5.1"}, {"CalledFromOrbel", "maybe"},
        {"Dist_Km", "1,5,0"},      {"RxHt_m", "1e999"},
        {"TxHt_m", "   "}};
    const Registry defaults;
    for (const auto& [key, text] : bad) {
        StoreSuiteValue(key, text);
        StoreSuiteValue("DeltaH_m", "120");
        const Registry registry;
        EXPECT_EQ(registry.OrbelGlobal(key), defaults.OrbelGlobal(key)) << key;
        EXPECT_EQ(registry.OrbelGlobal("DeltaH_m"), Variant::R8(120)) << key;
        settings::DeleteSetting(Registry::kSuiteApplication, Registry::kSuiteSection, key);
    }
    StoreSuiteValue("TxFreq_MHz", "abc");
    StoreSuiteValue("Terrix_Drive", "40000");
    StoreSuiteValue("CalledFromOrbel", "maybe");
    const Registry registry;
    EXPECT_EQ(registry.OrbelGlobal("TxFreq_MHz"), Variant::R8(100));
    EXPECT_EQ(registry.OrbelGlobal("Terrix_Drive"), Variant::I2(1));
    EXPECT_FALSE(registry.OrbelActive());
}

// The suite may write numbers with a decimal comma; they read as meant. A text that does not read
// as its parameter's type keeps the default in memory, and every value the program did not change
// goes back to the store as the text it was stored as.
TEST_F(RegistryTest, SuiteNumberFormatIsReadAndUnreadTextsStay) {
    StoreSuiteValue("TxPower_w", "1,5");
    StoreSuiteValue("TxGain_dBi", "12.5dB");
    StoreSuiteValue("TxFreq_MHz", "abc");
    StoreSuiteValue("Terrix_Drive", "2,0");
    StoreSuiteValue("PctTime_pct", "0,25");
    StoreSuiteValue("CalledFromOrbel", "True");
    Registry registry;
    EXPECT_EQ(registry.OrbelGlobal("TxPower_w"), Variant::R8(1.5));
    EXPECT_EQ(registry.OrbelGlobal("Terrix_Drive"), Variant::I2(2));
    EXPECT_EQ(registry.OrbelGlobal("TxGain_dBi"), Variant::R8(0));
    EXPECT_EQ(registry.OrbelGlobal("TxFreq_MHz"), Variant::R8(100));
    registry.SetOrbelActive(false);
    registry.SetOrbelGlobal("PctTime_pct", Variant::R8(0.25)); // the same value as stored
    registry.SetOrbelGlobal("Dist_Km", Variant::R8(12.5));
    ASSERT_TRUE(registry.SaveOrbelGlobals());
    const std::pair<const char*, const char*> stored[] = {
        {"TxPower_w", "1,5"},         {"TxGain_dBi", "12.5dB"}, {"TxFreq_MHz", "abc"},
        {"Terrix_Drive", "2,0"},      {"PctTime_pct", "0,25"},  {"Dist_Km", "12.5"},
        {"CalledFromOrbel", "False"}, {"TxLatH_NS", "N"},
    };
    for (const auto& [key, text] : stored)
        EXPECT_EQ(StoredSuiteValue(key), text) << key;
}

// Any INI reader finds the suite's section and its 37 values: Python's configparser here.
TEST_F(RegistryTest, PythonConfigparserReadsTheSuiteValues) {
    Registry registry;
    registry.SetOrbelGlobal("TxFreq_MHz", Variant::R8(450));
    registry.SetOrbelGlobal("TerrainHandler", Variant::Str("a, b; c"));
    ASSERT_TRUE(registry.SaveOrbelGlobals());
    const QString ini = dir_.path() + "/ProgramSettings/Veltrix_Orbel.ini";
    const QString out = dir_.path() + "/read.txt";
    const char* script = "import configparser, sys\n"
                         "p = configparser.ConfigParser(interpolation=None)\n"
                         "p.optionxform = str\n"
                         "p.read(sys.argv[1], encoding='utf-8')\n"
                         "with open(sys.argv[2], 'w') as f:\n"
                         "    for k, v in p['Global Parameters'].items():\n"
                         "        f.write(k + '=' + v + '\\n')\n";
    const auto run = testsupport::RunExternal("python3", {"-c", script, ini, out}, "python3");
    ASSERT_TRUE(run.ok) << run.problem.toStdString() << run.errorOutput.toStdString();
    QFile read(out);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(read.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 37);
    for (int i = 0; i < 37; ++i) {
        const OrbelGlobal& global = registry.Globals()[static_cast<std::size_t>(i)];
        const QString key = lines[i].section('=', 0, 0);
        const QString value = lines[i].section('=', 1);
        EXPECT_EQ(key, global.ID());
        // Blank texts are quoted so that they survive; an INI reader shows the quotes.
        const QString expected = QString::fromStdString(automation::ToText(global.Value()).value.AsStr());
        EXPECT_EQ(expected.trimmed().isEmpty() ? "\"" + expected + "\"" : expected, value)
            << key.toStdString();
    }
    EXPECT_EQ(lines[25], "TxFreq_MHz=450");
    EXPECT_EQ(lines[35], "TerrainHandler=a, b; c");
    EXPECT_EQ(lines[36], "CalledFromOrbel=False");
}

struct AssignCase {
    const char* name;
    Variant value;
    Variant expected; // the parameter's value afterwards
};

class OrbelGlobalSetTest : public RegistryTest, public ::testing::WithParamInterface<AssignCase> {};

TEST_P(OrbelGlobalSetTest, ConvertsToTheParametersTypeOrChangesNothing) {
    const AssignCase& c = GetParam();
    Registry registry;
    registry.SetOrbelGlobal(c.name, c.value);
    EXPECT_EQ(registry.OrbelGlobal(c.name), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OrbelGlobalSetTest,
    ::testing::Values(AssignCase{"PctTime_pct", Variant::Str("0.9"), Variant::R8(0.9)},
                      AssignCase{"PctTime_pct", Variant::Str("abc"), Variant::R8(0.5)},
                      AssignCase{"TxHt_m", Variant::R8(37.5), Variant::R8(37.5)},
                      AssignCase{"TxHt_m", Variant::I2(12), Variant::R8(12)},
                      AssignCase{"Terrix_Drive", Variant::R8(2.5), Variant::I2(2)},
                      AssignCase{"Terrix_Drive", Variant::Str("40000"), Variant::I2(1)},
                      AssignCase{"TxLatH_NS", Variant::R8(0.25), Variant::Str("0.25")},
                      AssignCase{"TxLatH_NS", Variant::Bool(true), Variant::Str("True")},
                      AssignCase{"CalledFromOrbel", Variant::Str("TRUE"), Variant::Bool(true)},
                      AssignCase{"CalledFromOrbel", Variant::I2(0), Variant::Bool(false)},
                      AssignCase{"CalledFromOrbel", Variant::Str("perhaps"), Variant::Bool(false)},
                      AssignCase{"TxFreq_MHz", Variant::R8Array({1, 2}), Variant::R8(100)}));

TEST_F(RegistryTest, UnknownParameterNameChangesNothingAndReadsEmpty) {
    Registry registry;
    const std::vector<OrbelGlobal> before = registry.Globals();
    registry.SetOrbelGlobal("NoSuchParameter", Variant::R8(1));
    registry.SetOrbelGlobal("txfreq_mhz", Variant::R8(1)); // names are exact
    EXPECT_TRUE(registry.OrbelGlobal("NoSuchParameter").IsEmpty());
    EXPECT_TRUE(registry.OrbelGlobal("").IsEmpty());
    ASSERT_EQ(registry.Globals().size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(registry.Globals()[i].Value(), before[i].Value()) << i;
    }
}

TEST_F(RegistryTest, ClearedSuiteFlagIsSavedAndReadBackByTheNextRegistry) {
    StoreSuiteValue("CalledFromOrbel", "True");
    Registry registry;
    ASSERT_TRUE(registry.OrbelActive());
    registry.SetOrbelActive(false);
    EXPECT_EQ(StoredSuiteValue("CalledFromOrbel"), "True"); // memory only until saved
    ASSERT_TRUE(registry.SaveOrbelGlobals());
    EXPECT_EQ(StoredSuiteValue("CalledFromOrbel"), "False");
    EXPECT_EQ(StoredSuiteValue("TxLonDeg_DDD"), "   ");
    EXPECT_FALSE(Registry().OrbelActive());
}

TEST_F(RegistryTest, EveryValueSurvivesASaveAndALoad) {
    Registry registry;
    registry.SetOrbelGlobal("TxFreq_MHz", Variant::R8(0.1 + 0.2));
    registry.SetOrbelGlobal("GrndCond_Sm", Variant::R8(1e-7));
    registry.SetOrbelGlobal("TxPower_w", Variant::R8(123456.789));
    registry.SetOrbelGlobal("DeltaH_m", Variant::R8(-2.5e300));
    registry.SetOrbelGlobal("Terrix_Drive", Variant::I2(-32768));
    registry.SetOrbelGlobal("TxLatDeg_DD", Variant::Str(" 4"));
    registry.SetOrbelGlobal("TerrainHandler", Variant::Str("a, \"b\"; c"));
    registry.SetOrbelActive(true);
    ASSERT_TRUE(registry.SaveOrbelGlobals());
    const Registry loaded;
    for (std::size_t i = 0; i < registry.Globals().size(); ++i) {
        EXPECT_EQ(loaded.Globals()[i].Value(), registry.Globals()[i].Value()) << i;
    }
}

TEST_F(RegistryTest, ParamReadNeedsAllThreeNamesAndThenMovesTheCursor) {
    settings::SaveSetting("Brindel", "Loss_FieldStrength", "Freq", "900");
    Registry registry;
    registry.SetSection("Loss_FieldStrength");
    registry.SetKey("HB");
    registry.SetSetting("30");
    EXPECT_EQ(registry.Param("Freq"), ""); // no application
    EXPECT_EQ(registry.Key(), "HB");
    EXPECT_EQ(registry.Setting(), "30");
    registry.SetAppname("Brindel");
    EXPECT_EQ(registry.Param(""), "");
    EXPECT_EQ(registry.Key(), "HB");
    EXPECT_EQ(registry.Param("Freq"), "900");
    EXPECT_EQ(registry.Key(), "Freq");
    EXPECT_EQ(registry.Setting(), "900");
}

TEST_F(RegistryTest, ParamWriteNeedsAllThreeNamesAndThenMovesTheCursor) {
    Registry registry;
    registry.SetAppname("Brindel");
    registry.SetParam("Freq", "900"); // no section
    EXPECT_EQ(Text("Brindel"), "");
    EXPECT_EQ(registry.Key(), "");
    registry.SetSection("Loss_FieldStrength");
    registry.SetParam("Freq", "900");
    EXPECT_EQ(registry.Key(), "Freq");
    EXPECT_EQ(registry.Setting(), "900");
    EXPECT_EQ(settings::GetSetting("Brindel", "Loss_FieldStrength", "Freq"), "900");
}

TEST_F(RegistryTest, EachRegistryHoldsItsOwnCopyOfTheSuiteValues) {
    Registry first;
    first.SetOrbelGlobal("Dist_Km", Variant::R8(25));
    const Registry second;
    EXPECT_EQ(second.OrbelGlobal("Dist_Km"), Variant::R8(1));
}

TEST(CoerceToTypeOfTest, TemplatesWithoutAStandardConversionKeepTheValue) {
    const auto kept = Registry::CoerceToTypeOf(Variant(), Variant::Str("x"));
    EXPECT_TRUE(kept.ok());
    EXPECT_EQ(kept.value, Variant::Str("x"));
    const auto failed = Registry::CoerceToTypeOf(Variant::I2(1), Variant::Str("x"));
    EXPECT_EQ(failed.status, automation::ChangeStatus::TypeMismatch);
}

} // namespace
