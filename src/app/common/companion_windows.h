#pragma once
// The windows beside the form whose pictures others read («Анимация…» paints their frames): each
// none until first opened. Whoever owns them answers.

class CompareWindow;
class GradientMapWindow;
class SurfaceWindow;

class CompanionWindows {
 public:
  virtual GradientMapWindow* MapWindow() const = 0;
  virtual SurfaceWindow* Surface() const = 0;
  virtual CompareWindow* Compare() const = 0;

 protected:
  ~CompanionWindows() = default;
};
