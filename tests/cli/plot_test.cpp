// `ormane plot` as a process: the file written (an SVG that parses as XML with the asked
// view box, a PNG of the asked size), the effect scale, nothing written when there is
// nothing to draw, and the options it refuses.
#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>
#include <cstdint>
#include <string>
#include <vector>

#include "run_process.h"

namespace {

using namespace ormane::cli::testing;

class Plot : public ProcessTest {
  protected:
    // The exit status of `ormane plot` with these arguments; standard error kept in err_.
    int run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "plot");
        How how;
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

}  // namespace
