// Tests that a failed Status always carries a reason.
#include "platform/status.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace zorvanel {
namespace {

TEST(StatusTest, AFailureAlwaysHasAReason) {
  EXPECT_EQ(Status::Failure(EACCES).Reason(), "Permission denied");
  errno = 0;  // a call that failed without saying why
  EXPECT_EQ(Status::LastError().error(), EIO);
  EXPECT_TRUE(Status::FromCall(0).ok());
  EXPECT_EQ(Status().Reason(), "");
  // Without an errno, the message is the reason.
  EXPECT_FALSE(Status::Failure("no display").ok());
  EXPECT_EQ(Status::Failure("no display").Reason(), "no display");
  EXPECT_EQ(Status::Failure(ENOENT).WithContext("cannot use x").Reason(),
            "cannot use x: No such file or directory");
}

}  // namespace
}  // namespace zorvanel
