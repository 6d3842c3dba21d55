#pragma once

// The headers most sources of a target read, parsed once a target (gauss_precompile in
// GaussBuild.cmake). Each Qt module's share is read only where the target links that module, so
// that a target sees no header it could not include itself.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#ifdef QT_CORE_LIB
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#endif

#ifdef QT_GUI_LIB
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#endif

#ifdef QT_WIDGETS_LIB
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#endif

#ifdef QT_TESTLIB_LIB
#include <QTest>
#endif
