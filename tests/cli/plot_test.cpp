// `ormane plot` as a process: the file written (an SVG that parses as XML with the asked
// view box, a PNG of the asked size), the effect scale, nothing written when there is
// nothing to draw, the options it refuses, and a write that fails (a full disk, a size
// limit, a read-only folder) leaving the file that was there as it was.
#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>
#include <cstdint>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "run_process.h"

namespace {

using namespace ormane::cli::testing;

class Plot : public ProcessTest {
  protected:
    // The exit status of `ormane plot` with these arguments; standard error kept in err_.
    int run(std::vector<std::string> arguments, How how = {}) {
        arguments.insert(arguments.begin(), "plot");
        how.output = "/dev/null";
        const Ran ran = ProcessTest::run(program_, arguments, how);
        err_ = ran.err;
        return ran.status;
    }

    // Width and height from a PNG's header chunk.
    static std::pair<std::uint32_t, std::uint32_t> pngSize(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::vector<unsigned char> head(24);
        in.read(reinterpret_cast<char*>(head.data()), 24);
        EXPECT_EQ(std::string(head.begin() + 1, head.begin() + 4), "PNG");
        auto big = [&](int at) {
            return std::uint32_t{head[at]} << 24 | std::uint32_t{head[at + 1]} << 16 |
                   std::uint32_t{head[at + 2]} << 8 | std::uint32_t{head[at + 3]};
        };
        return {big(16), big(20)};
    }

    // The root element's view box, when the whole file parses as XML.
    static std::string svgViewBox(const fs::path& path) {
        QFile file(QString::fromStdString(path.string()));
        if (!file.open(QIODevice::ReadOnly)) return "unreadable";
        QXmlStreamReader xml(&file);
        std::string viewBox;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"svg")
                viewBox =
                    xml.attributes().value(QStringLiteral("viewBox")).toString().toStdString();
        }
        return xml.hasError() ? "not XML: " + xml.errorString().toStdString() : viewBox;
    }

    std::string err_;
};

TEST_F(Plot, WritesAnSvgThatParsesOrAPngOfTheAskedSize) {
    const fs::path svg = dir_ / "picture.svg";
    ASSERT_EQ(run({"--t", "2.5", "--df", "20", "--output", svg.string()}), 0) << err_;
    EXPECT_EQ(svgViewBox(svg), "0 0 640 280");
    // A PNG of the asked size, on either scale and in either language.
    const fs::path png = dir_ / "picture.png";
    ASSERT_EQ(
        run({"--lang", "fr", "--scale", "effect", "--size", "900x333", "--output", png.string()}),
        0)
        << err_;
    EXPECT_EQ(pngSize(png), (std::pair<std::uint32_t, std::uint32_t>{900, 333}));
    ASSERT_EQ(run({"--p1=0.01", "--df=30", "--future", "2", "62", "--size=300x200",
                   "--output=" + png.string()}),
              0)
        << err_;
    EXPECT_EQ(pngSize(png), (std::pair<std::uint32_t, std::uint32_t>{300, 200}));
    // A value the window corrects is drawn as corrected, and said.
    ASSERT_EQ(run({"--alpha", "0.9", "--output", svg.string()}), 0) << err_;
    EXPECT_NE(err_.find("ormane: --alpha 0.9 was read as 0.05\n"), std::string::npos) << err_;
}

TEST_F(Plot, WritesNothingWhenThereIsNothingToDrawAndRefusesBadOptions) {
    const fs::path svg = dir_ / "none.svg";
    EXPECT_EQ(run({"--df", "", "--output", svg.string()}), 1);
    EXPECT_NE(err_.find("nothing to draw"), std::string::npos) << err_;
    EXPECT_EQ(run({"--d", "0", "--scale", "effect", "--output", svg.string()}), 1);
    EXPECT_FALSE(fs::exists(svg));
    const std::string out = (dir_ / "x.svg").string();
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--t", "2"},
                                                {"--output"},
                                                {"--output", out, "--size", "10x10"},
                                                {"--output", out, "--size", "640"},
                                                {"--output", out, "--scale", "p"},
                                                {"--output", out, "--json"},
                                                {"--output", out, "--report"},
                                                {"--output", out, "--t", "abc"},
                                                {"--output", out, "--output", out},
                                                {"--output", out, "--colour", "red"}}) {
        EXPECT_EQ(run(bad), 2) << bad.back();
        EXPECT_NE(err_.find("Usage:"), std::string::npos);
    }
    EXPECT_EQ(run({"--output", (dir_ / "missing" / "x.svg").string()}), 1);
    EXPECT_NE(err_.find("cannot write"), std::string::npos) << err_;
    // Help needs no file, wherever it is asked.
    EXPECT_EQ(run({"--help"}), 0) << err_;
    EXPECT_EQ(run({"--t", "2", "--help"}), 0) << err_;
}

// The names in a folder.
std::set<std::string> names(const fs::path& folder) {
    std::set<std::string> all;
    for (const auto& entry : fs::directory_iterator(folder)) all.insert(entry.path().filename());
    return all;
}

// A file that cannot be written whole is not written at all: the command says why and
// exits with 1, the file that was there keeps its bytes, no file is left beside it.
TEST_F(Plot, AFailedWriteSaysWhyAndKeepsTheFileThatWasThere) {
    const std::string kept = "the picture before\n";
    fs::permissions(dir_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    const fs::path locked = dir_ / "locked";
    fs::create_directory(locked);
    file("locked/picture.svg", kept);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    fs::create_symlink("/dev/full", dir_ / "full.svg");
    fs::create_symlink(dir_ / "nowhere.svg", dir_ / "dangling.svg");
    const struct {
        std::string output;
        const char* reason;
        rlim_t fileSizeLimit = RLIM_INFINITY;
        bool unprivileged = false;
    } cases[] = {
        {"/dev/full", "No space left on device"},
        {(dir_ / "full.svg").string(), "No space left on device"},
        {(dir_ / "limited.svg").string(), "File too large", 8192},
        {(dir_ / "limited.png").string(), "File too large", 8192},
        {(locked / "picture.svg").string(), "Permission denied", RLIM_INFINITY, true},
        {(dir_ / "dangling.svg").string(), "a symbolic link to a file that does not exist"},
    };
    file("limited.svg", kept);
    file("limited.png", kept);
    file("stderr", "");  // where each run's standard error goes
    // As root, the locked folder is written by an unprivileged user, who must be able to
    // reach the executable (not so in a build inside a private folder).
    How asNobody;
    asNobody.unprivileged = true;
    asNobody.output = "/dev/null";
    const bool nobodyRuns = ProcessTest::run(program_, {"--version"}, asNobody).status == 0;
    if (!nobodyRuns) std::cerr << "the unprivileged user cannot run the program: case skipped\n";
    for (const auto& c : cases) {
        if (c.unprivileged && !nobodyRuns) continue;
        const std::set<std::string> before = names(dir_);
        How how;
        how.fileSizeLimit = c.fileSizeLimit;
        how.unprivileged = c.unprivileged;
        EXPECT_EQ(run({"--t", "2.5", "--df", "20", "--output", c.output}, how), 1) << c.output;
        EXPECT_NE(err_.find("ormane: cannot write " + c.output + ": "), std::string::npos) << err_;
        EXPECT_NE(err_.find(c.reason), std::string::npos) << err_;
        EXPECT_EQ(names(dir_), before) << c.output;
        EXPECT_EQ(names(locked), std::set<std::string>{"picture.svg"});
        if (fs::is_regular_file(c.output)) {
            EXPECT_EQ(slurp(c.output), kept) << c.output;
        }
    }
}

// A file replaced keeps its permissions; through a link, the file it names is replaced and
// the link stays; a new file gets the permissions the umask leaves.
TEST_F(Plot, AReplacedFileKeepsItsPermissionsAndALinkStaysALink) {
    const fs::path picture = file("picture.svg", "old");
    fs::permissions(picture,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(picture, dir_ / "link.svg");
    ASSERT_EQ(run({"--t", "2.5", "--output", (dir_ / "link.svg").string()}), 0) << err_;
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.svg"));
    EXPECT_EQ(svgViewBox(picture), "0 0 640 280");
    EXPECT_EQ(fs::status(picture).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const mode_t mask = umask(0);
    umask(mask);
    const fs::path fresh = dir_ / "fresh.png";
    ASSERT_EQ(run({"--t", "2.5", "--output", fresh.string()}), 0) << err_;
    EXPECT_EQ(static_cast<mode_t>(fs::status(fresh).permissions()), 0666 & ~mask);
    EXPECT_EQ(names(dir_),
              (std::set<std::string>{"fresh.png", "link.svg", "picture.svg", "stderr"}));
}

}  // namespace
