// Runs the command-line host as a user does and checks what it leaves behind.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class RenderCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("amberlow-render-" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    int run(const std::string& arguments) {
        const std::string command =
            std::string(AMBERLOW_HOST) + " " + arguments + " >" + (dir / "log").string() + " 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string path(const char* name) const { return (dir / name).string(); }

    static SF_INFO infoOf(const std::string& file) {
        SF_INFO info{};
        SNDFILE* handle = sf_open(file.c_str(), SFM_READ, &info);
        if (handle) {
            sf_close(handle);
        }
        return info;
    }

    fs::path dir;
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
        EXPECT_FALSE(fs::exists(out + ".partial")) << arguments;
    }
}

} // namespace
