#pragma once
// The program's hemisphere as a mirror ball: a chrome-like lobe (Blinn-Phong, exponent 500),
// `gloss` of its light reflected as a mirror's and the rest matte, lit by each of `lights`.

#include <vector>

#include "model/startup_values.h"
#include "photometry/law_catalogue.h"
#include "recovery/recovery_images.h"
#include "surface/surface_catalogue.h"

struct ChromeBall {
  SurfaceScene scene;     // its heights: above 0 on the ball
  RecoveryImages images;  // one a light
};

inline ChromeBall MakeChromeBall(const std::vector<LightAim>& lights, int side, double gloss) {
  RenderState chrome;
  ApplyStartupValues(chrome);
  chrome.reflectanceKind = kBlinnPhong;
  chrome.law = StartLawSettings(kBlinnPhong);
  chrome.law.parameters[kBlinnPhongS] = gloss;
  chrome.law.parameters[kBlinnPhongN] = 500.0;
  const SurfaceKind& kind = *FindSurfaceKind("hemisphere");
  ChromeBall ball{MakeScene(MakeSurface(kind, side, side, StartValues(kind))), {}};
  ball.images = MakeRecoveryImages(chrome, ball.scene, lights);
  return ball;
}
