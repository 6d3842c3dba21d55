#pragma once
// «Сравнить законы»: two to six spheres side by side, each with its own function and parameters,
// under the view, light, exposure and legend of the last pass. Each sphere is its own pass, exact
// as the main one would be with that function, all painted off the window's thread; the row is
// one picture with the captions under the spheres, saved and copied as one figure (the captions
// as text in SVG and PDF). Every pass shown repaints it while it is open.
//
//   slots (function, "name=value; ...") + LastPass -> one RunRasterPass each -> the row

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "app/common/companion_window.h"
#include "app/picture/last_pass.h"

class BackgroundPass;
class JobRunner;
class PictureBox;
class PictureMenu;
class QComboBox;
class QLineEdit;
class QSpinBox;

inline constexpr int kMaxComparedLaws = 6;

class CompareWindow final : public CompanionWindow {
  Q_OBJECT
 public:
  explicit CompareWindow(JobRunner& jobs, QWidget* parent = nullptr);

  void ShowPass(const LastPass& pass);
  void CancelPass();
  // The slot's function (kMatte, ...) and parameters text; how many slots are shown.
  void SetSlot(int index, int32_t kind, const QString& parameters);
  void SetCount(int count);
  PictureBox& Picture() const { return *picture_; }
  const QStringList& Captions() const { return captions_; }
  // The state each sphere of the row was painted from, once painted.
  const std::vector<RenderState>& States() const { return states_; }

 signals:
  void RowShown();

 protected:
  void OnShown() override;
  void OnHidden() override;

 private:
  void Paint();
  // The slot's state from the pass's, or nothing (its box is marked) when its text does not read.
  std::optional<RenderState> SlotState(int index, const RenderState& pass);

  QSpinBox* count_ = nullptr;
  std::array<QComboBox*, kMaxComparedLaws> functions_{};
  std::array<QLineEdit*, kMaxComparedLaws> parameters_{};
  PictureBox* picture_ = nullptr;
  PictureMenu* menu_ = nullptr;
  BackgroundPass* pass_ = nullptr;
  std::optional<LastPass> requested_;
  QStringList captions_;
  std::vector<RenderState> states_;
  std::vector<QImage> images_;  // the spheres of the row shown
};
