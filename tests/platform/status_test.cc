#include "platform/status.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace zorvanel {
namespace {

TEST(StatusTest, AFailureAlwaysHasTheSystemsReason) {
  EXPECT_EQ(Status::Failure(EACCES).Reason(), "Permission denied");
  errno = 0;  // a call that failed without saying why
  EXPECT_EQ(Status::LastError().error(), EIO);
  EXPECT_TRUE(Status::FromCall(0).ok());
  EXPECT_EQ(Status().Reason(), "");
}

}  // namespace
}  // namespace zorvanel
