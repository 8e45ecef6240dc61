// The command line of stonewick-hall: its options, and one line with status 2 for bad usage.
#include "hall/hall_cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace stonewick::hall {
namespace {

struct Parsed {
  std::optional<HallOptions> options;
  int status = -1;
  std::string out;
  std::string err;
};

Parsed Parse(std::vector<std::string> words) {
  words.insert(words.begin(), "stonewick-hall");
  std::vector<char*> args;
  for (std::string& word : words) {
    args.push_back(word.data());
  }
  std::ostringstream out;
  std::ostringstream err;
  Parsed parsed;
  parsed.options = ParseHallOptions(args, out, err, parsed.status);
  parsed.out = out.str();
  parsed.err = err.str();
  return parsed;
}

TEST(HallCommandLineTest, TakesEachOptionSeparateOrWithEquals) {
  const Parsed parsed = Parse({"--listen", "[::1]:8200", "--db=postgresql://h/db", "--site", "site",
                               "--max-body=1000", "--uploads-per-minute", "0", "--upload-seconds=5",
                               "--spectators", "2"});
  ASSERT_TRUE(parsed.options);
  EXPECT_EQ(parsed.options->host, "::1");
  EXPECT_EQ(parsed.options->port, 8200);
  EXPECT_EQ(parsed.options->databaseUrl, "postgresql://h/db");
  EXPECT_EQ(parsed.options->site.siteDir, "site");
  EXPECT_EQ(parsed.options->limits.bodyBytes, 1000u);
  EXPECT_EQ(parsed.options->limits.uploadsPerMinute, 0);
  EXPECT_EQ(parsed.options->site.bodySeconds, 5);
  EXPECT_EQ(parsed.options->site.spectators, 2);
}

TEST(HallCommandLineTest, KeepsTheDatabaseInTheUsersDataFolderByDefault) {
  setenv("XDG_DATA_HOME", "/data", 1);
  EXPECT_EQ(Parse({}).options->databaseUrl, "/data/stonewick/hall.sqlite");
  EXPECT_EQ(Parse({}).options->port, 8100);
}

TEST(HallCommandLineTest, RefusesBadUsageWithOneLineAndStatus2) {
  const Parsed unknown = Parse({"--port", "1"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.err,
            "stonewick-hall: unrecognized option '--port' (try 'stonewick-hall --help')\n");
  const Parsed badListen = Parse({"--listen", "8100"});
  EXPECT_EQ(badListen.err,
            "stonewick-hall: --listen: ADDR:PORT expected, not '8100' (try 'stonewick-hall "
            "--help')\n");
  EXPECT_EQ(Parse({"--db"}).err,
            "stonewick-hall: option '--db' requires an argument (try 'stonewick-hall --help')\n");
  EXPECT_EQ(Parse({"--max-body", "0"}).status, 2);
}

TEST(HallCommandLineTest, ShowsHelpAndVersionWithStatus0) {
  const Parsed help = Parse({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_FALSE(help.options);
  EXPECT_TRUE(help.out.starts_with("Usage: stonewick-hall [OPTION]...\n"));
  EXPECT_TRUE(Parse({"--version"}).out.starts_with("stonewick-hall "));
}

}  // namespace
}  // namespace stonewick::hall
