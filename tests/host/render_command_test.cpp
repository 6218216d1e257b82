// Runs the command-line host as a user does and checks what it leaves behind.
#include "temporary_directory.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class RenderCommandTest : public ::testing::Test {
protected:
    int run(const std::string& arguments) {
        const std::string command =
            std::string(AMBERLOW_HOST) + " " + arguments + " >" + (dir / "log").string() + " 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string path(const char* name) const { return (dir / name).string(); }

    // Whether any file whose name begins with prefix is left in the directory.
    bool leftBehind(const std::string& prefix) const {
        for (const fs::directory_entry& entry : fs::directory_iterator(dir.path())) {
            if (entry.path().filename().string().rfind(prefix, 0) == 0) {
                return true;
            }
        }
        return false;
    }

    std::string log() const {
        std::ifstream in(dir / "log");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    static SF_INFO infoOf(const std::string& file) {
        SF_INFO info{};
        SNDFILE* handle = sf_open(file.c_str(), SFM_READ, &info);
        if (handle) {
            sf_close(handle);
        }
        return info;
    }

    TemporaryDirectory dir;
};

TEST_F(RenderCommandTest, RendersStereoAndMonoWithEveryFactoryProgram) {
    ASSERT_EQ(run("generate " + path("stereo.wav") + " --seconds 0.3"), 0);
    ASSERT_EQ(run("generate " + path("mono.wav") + " --seconds 0.3 --mono"), 0);
    for (int program = 0; program < 33; ++program) {
        for (const char* input : {"stereo.wav", "mono.wav"}) {
            ASSERT_EQ(run("render " + path(input) + " " + path("out.wav") + " --program " +
                          std::to_string(program)),
                      0)
                << input << " program " << program;
            const SF_INFO in = infoOf(path(input));
            const SF_INFO out = infoOf(path("out.wav"));
            EXPECT_EQ(out.channels, in.channels);
            EXPECT_EQ(out.frames, in.frames);
            EXPECT_EQ(out.format, in.format);
        }
    }
}

TEST_F(RenderCommandTest, OptionsAndOutputFormat) {
    ASSERT_EQ(run("generate " + path("in.wav") + " --seconds 0.2"), 0);
    EXPECT_EQ(run("render " + path("in.wav") + " " + path("out.flac") +
                  " --double --block 7 --program \"Bus Comp 2\" --set Compression=0.7"),
              0);
    EXPECT_EQ(infoOf(path("out.flac")).format & SF_FORMAT_TYPEMASK, SF_FORMAT_FLAC);
}

TEST_F(RenderCommandTest, RefusesBadInputLeavingNoOutput) {
    ASSERT_EQ(run("generate " + path("in.wav") + " --seconds 0.1"), 0);
    {
        SF_INFO info{};
        info.samplerate = 44100;
        info.channels = 3;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE* file = sf_open(path("three.wav").c_str(), SFM_WRITE, &info);
        std::vector<short> silence(300);
        sf_writef_short(file, silence.data(), 100);
        sf_close(file);
    }
    std::ofstream(path("text.wav")) << "not audio";
    const std::string in = path("in.wav");
    const std::string out = path("out.wav");
    const std::vector<std::string> refused = {
        "render " + path("missing.wav") + " " + out,
        "render " + path("three.wav") + " " + out,
        "render " + path("text.wav") + " " + out,
        "render " + in + " " + out + " --bogus",
        "render " + in + " " + out + " --set Nonsense=0.5",
        "render " + in + " " + out + " --set Compression=2",
        "render " + in + " " + out + " --program 33",
        "render " + in + " " + out + " --block 0",
        "render " + in + " " + path("out.xyz"),
        "render " + in,
    };
    for (const std::string& arguments : refused) {
        EXPECT_NE(run(arguments), 0) << arguments;
        EXPECT_FALSE(fs::exists(out)) << arguments;
        EXPECT_FALSE(leftBehind("out.wav")) << arguments << ": a partial output file is left";
    }
}

TEST_F(RenderCommandTest, ExportedBankShowsAndRendersLikeTheFactoryPrograms) {
    ASSERT_EQ(run("export-bank " + path("factory.tvb")), 0);
    EXPECT_EQ(fs::file_size(path("factory.tvb")), 2381u);
    ASSERT_EQ(run("show " + path("factory.tvb")), 0);
    EXPECT_NE(
        log().find("32  Bus Comp 3               Valve        2:1          1.50         6.25"),
        std::string::npos)
        << log();

    ASSERT_EQ(run("generate " + path("in.wav") + " --seconds 0.2"), 0);
    ASSERT_EQ(run("render " + path("in.wav") + " " + path("factory.wav") + " --program 9"), 0);
    ASSERT_EQ(run("render " + path("in.wav") + " " + path("bank.wav") + " --bank " +
                  path("factory.tvb") + " --program FastLim"),
              0);
    std::ifstream a(path("factory.wav"), std::ios::binary);
    std::ifstream b(path("bank.wav"), std::ios::binary);
    EXPECT_TRUE(
        std::equal(std::istreambuf_iterator<char>(a), {}, std::istreambuf_iterator<char>(b)));
}

TEST_F(RenderCommandTest, ShowRefusesWithTheEditorsMessages) {
    ASSERT_EQ(run("generate " + path("in.wav") + " --seconds 0.1"), 0);
    std::ofstream(path("empty.tvp"));
    std::ofstream(path("short.tvb")) << "MAVT7";
    const struct {
        std::string arguments;
        const char* message;
    } cases[] = {
        {"show " + path("empty.tvp"), "Error #01: Invalid preset file!"},
        {"show " + path("short.tvb"), "Error #01: Invalid preset file!"},
        {"show " + path("in.wav"), "Error #01: Invalid preset file!"},
        {"render " + path("in.wav") + " " + path("out.wav") + " --preset-file " + path("empty.tvp"),
         "Error #01: Invalid preset file!"},
    };
    for (const auto& c : cases) {
        EXPECT_NE(run(c.arguments), 0) << c.arguments;
        EXPECT_NE(log().find(c.message), std::string::npos) << log();
    }
    EXPECT_FALSE(fs::exists(path("out.wav")));
}

} // namespace
