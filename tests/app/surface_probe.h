#pragma once
// «Поверхность» opened from a shaded form, for the surface window's tests.

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "app/form/form1.h"
#include "app/surface/surface_window.h"
#include "form_probe.h"
#include "surface/surface_catalogue.h"

// The form shaded at `slant`, with «Поверхность» open showing the kind named `kind`.
struct Opened {
  std::unique_ptr<Form1> form;
  SurfaceWindow* surface = nullptr;
};

inline Opened OpenSurface(const QString& slant, const char* kind) {
  Opened opened{OpenForm()};
  Activate(*opened.form);
  Retype(*Find<QLineEdit>(*opened.form, "Text4_0"), slant);
  Press(*opened.form);
  WindowsOf(*opened.form).SurfaceAction()->trigger();
  opened.surface = WindowsOf(*opened.form).Surface();
  if (!QTest::qWaitForWindowExposed(opened.surface)) qFatal("the surface is not shown");
  Find<QComboBox>(*opened.surface, "SurfaceKind")
      ->setCurrentIndex(static_cast<int>(FindSurfaceKind(kind) - SurfaceCatalogue().data()));
  return opened;
}
