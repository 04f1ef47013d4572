// Starting programs through CreateProcessA: the text is the whole command line.
#include "TempFolder.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

TEST(LaunchWindows, startsACommandLineInTheGivenFolder) {
  fw::test::TempFolder dir;
  ASSERT_TRUE(fw::platform::launch("cmd.exe /c echo started> here.txt", dir.str()));
  for (int i = 0; i < 100 && !dir.has("here.txt"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_TRUE(dir.has("here.txt")) << "the program runs in the folder it is given";
}

TEST(LaunchWindows, failsForWhatCannotBeStarted) {
  fw::test::TempFolder dir;
  dir.write("not a program.txt", "text");
  EXPECT_FALSE(fw::platform::launch("", dir.str()));
  EXPECT_FALSE(fw::platform::launch(dir.str() + "\\missing.exe", dir.str()));
  EXPECT_FALSE(fw::platform::launch("\"" + dir.str() + "\\not a program.txt\"", dir.str()));
}
