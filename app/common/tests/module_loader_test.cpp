// Loading the program's own modules: the first candidate that exists and offers every entry wins,
// and each one passed over says why.
#include "common/qt/module_loader.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>
#include <string>

using namespace zorvix;

namespace {

constexpr char kModule[] = ZORVIX_TEST_MODULE_FILE;
constexpr char kEntry[] = "zorvix_printing_default_printer_1";

enum class Candidate { Missing, NotALibrary, Module };

struct LoadCase {
    const char* name;
    std::vector<Candidate> candidates;
    const char* entry;
    bool loads;
    std::vector<const char*> problems; // in the problem text when nothing loads
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.name; }

class ModuleLoader : public ::testing::TestWithParam<LoadCase> {};

TEST_P(ModuleLoader, takesTheFirstThatOffersEveryEntry)
{
    const LoadCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile text(dir.filePath(QStringLiteral("notes.so")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a library\n");
    text.close();

    QStringList candidates;
    for (const Candidate k : c.candidates)
        candidates << (k == Candidate::Missing           ? dir.filePath(QStringLiteral("gone.so"))
                           : k == Candidate::NotALibrary ? text.fileName()
                                                         : QString::fromUtf8(kModule));
    QFunctionPointer entry = nullptr;
    QFunctionPointer other = reinterpret_cast<QFunctionPointer>(&PrintTo);
    QString problem = QStringLiteral("left from before");
    const bool loaded = loadModule(candidates, {{c.entry, &entry}, {kEntry, &other}}, problem);
    EXPECT_EQ(loaded, c.loads);
    if (c.loads) {
        EXPECT_NE(entry, nullptr);
        EXPECT_NE(other, nullptr);
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
    } else {
        // Never half filled: a caller tests one entry and calls the other.
        EXPECT_EQ(entry, nullptr);
        EXPECT_EQ(other, nullptr);
        for (const char* part : c.problems)
            EXPECT_TRUE(problem.contains(QString::fromUtf8(part))) << problem.toStdString() << " lacks " << part;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ModuleLoader,
                         ::testing::Values(LoadCase{"theModule", {Candidate::Module}, kEntry, true, {}},
                                           LoadCase{"pastAMissingFileAndANonLibrary",
                                                    {Candidate::Missing, Candidate::NotALibrary, Candidate::Module},
                                                    kEntry,
                                                    true,
                                                    {}},
                                           LoadCase{"noneThere", {Candidate::Missing}, kEntry, false, {"gone.so: no such file"}},
                                           LoadCase{"notALibrary", {Candidate::NotALibrary}, kEntry, false, {"notes.so"}},
                                           LoadCase{"anEntryMissing",
                                                    {Candidate::Missing, Candidate::Module},
                                                    "zorvix_printing_default_printer_0",
                                                    false,
                                                    {"gone.so: no such file", "not a module of this version"}}),
                         [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

} // namespace
