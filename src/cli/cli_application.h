#pragma once

#include <QCoreApplication>

#include <memory>

// The application object of tovaro-cli. Drawing commands need Qt's GUI module for
// fonts and images, but never a display: they get a QGuiApplication on the
// offscreen platform; every other command a plain QCoreApplication.
std::unique_ptr<QCoreApplication> MakeCliApplication(int& argc, char** argv);
