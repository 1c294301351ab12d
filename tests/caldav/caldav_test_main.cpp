#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The servers are local: a proxy of the environment must not stand between.
    qunsetenv("http_proxy");
    qunsetenv("https_proxy");
    qunsetenv("HTTP_PROXY");
    qunsetenv("HTTPS_PROXY");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
