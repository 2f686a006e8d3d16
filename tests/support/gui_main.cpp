#include "platform/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    platform::Application app(argc, argv);
    return RUN_ALL_TESTS();
}
