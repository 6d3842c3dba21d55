#include "app/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QIcon>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWhatsThis>

#include "app/animation/animation_dialog.h"
#include "app/common/companion_placement.h"
#include "app/common/companion_window.h"
#include "app/common/form_control.h"
#include "app/common/window_placement.h"
#include "app/companions.h"
#include "app/examples_menu.h"
#include "app/exposure/exposure_window.h"
#include "app/form/form1.h"
#include "app/form/layout_table.h"
#include "app/help/about_dialog.h"
#include "app/help/help_window.h"
#include "app/language/language_menu.h"
#include "app/language/translated_texts.h"
#include "app/law/function_menu.h"
#include "app/law/law_window.h"
#include "app/overlay_menu.h"
#include "app/picture/picture_menu.h"
#include "app/setup_menu.h"
#include "app/windows_menu.h"
#include "model/backgrounds.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("MainWindow"));
  TranslatedTexts::Of(*this).Keep(static_cast<QWidget*>(this), &QWidget::setWindowTitle, "Form1",
                                  kWindowCaption);
  setWindowIcon(QIcon(QString::fromUtf8(kWindowIcon)));

  form_ = new Form1(this);
  setCentralWidget(form_);
  companions_ = &Companions::Attach(*form_);
  // The form keeps its fixed size; the window is the menu bar plus the form, nothing more.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  setAcceptDrops(true);
  AddFileMenu();
  AddViewMenu();
  AddFunctionMenu();
  AddWindowsMenu(*this);
  AddHelpMenu();
}

void MainWindow::AddFileMenu() {
  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  QMenu* file = menuBar()->addMenu(QString());
  texts.Keep(file, &QMenu::setTitle, "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "&Файл"));
  file->setObjectName(QStringLiteral("FileMenu"));
  file->addAction(form_->PictureContextMenu().SaveAction());
  file->addAction(form_->PictureContextMenu().CopyAction());
  QAction* animation = file->addAction(QString());
  texts.Keep(animation, &QAction::setText, "MainWindow",
             QT_TRANSLATE_NOOP("MainWindow", "Анимация…"));
  animation->setObjectName(QStringLiteral("OpenAnimation"));
  connect(animation, &QAction::triggered, this, &MainWindow::OpenAnimation);
  file->addSeparator();
  setupMenu_ = new SetupMenu(*file, *this);
  new ExamplesMenu(*file, *this);
  file->addSeparator();
  quit_ = file->addAction(QString());
  texts.Keep(quit_, &QAction::setText, "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "Выход"));
  quit_->setObjectName(QStringLiteral("Quit"));
  // Spelled out: the standard Quit key is empty on some platforms.
  quit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(quit_, &QAction::triggered, this, &QWidget::close);
}

// Made when first asked for; not modal, so that the window can be used while a sweep runs.
void MainWindow::OpenAnimation() {
  if (animation_ == nullptr) {
    animation_ = new AnimationDialog(form_->Control(), *companions_, this);
    CompanionPlacement::Follow(*animation_, *this, BesideRow::kBottom);
  }
  BringForward(*animation_);
}

void MainWindow::AddViewMenu() {
  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  QMenu* view = menuBar()->addMenu(QString());
  texts.Keep(view, &QMenu::setTitle, "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "&Вид"));
  view->setObjectName(QStringLiteral("ViewMenu"));
  view->addAction(companions_->OpenMapAction());
  view->addAction(companions_->SourcesAction());
  view->addAction(companions_->BigSphereAction());
  view->addAction(companions_->SurfaceAction());
  view->addAction(companions_->PhaseCurveAction());
  view->addAction(companions_->CompareAction());
  QAction* exposure = view->addAction(QString());
  texts.Keep(exposure, &QAction::setText, "MainWindow",
             QT_TRANSLATE_NOOP("MainWindow", "Яркость…"));
  exposure->setObjectName(QStringLiteral("OpenExposure"));
  openExposure_ = exposure;
  connect(exposure, &QAction::triggered, this, [this] {
    if (exposure_ == nullptr) {
      exposure_ = new ExposureWindow(form_->Control(), this);
      CompanionPlacement::Follow(*exposure_, *this, BesideRow::kBottom);
    }
    BringForward(*exposure_);
  });
  AddBackgroundMenu(*view);
  view->addSeparator();
  AddOverlayActions(*view, form_->Control());
}

// «Фон рисунка»: the colours the picture may be cleared in, one checked, in step with the form
// (whose picture, clicked, chooses white).
void MainWindow::AddBackgroundMenu(QMenu& view) {
  static constexpr std::array<const char*, kBackgrounds.size()> kTitles = {
      QT_TRANSLATE_NOOP("MainWindow", "Белый"), QT_TRANSLATE_NOOP("MainWindow", "Чёрный"),
      QT_TRANSLATE_NOOP("MainWindow", "Серый")};
  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  QMenu* backgrounds = view.addMenu(QString());
  texts.Keep(backgrounds, &QMenu::setTitle, "MainWindow",
             QT_TRANSLATE_NOOP("MainWindow", "Фон рисунка"));
  backgrounds->setObjectName(QStringLiteral("BackgroundMenu"));
  auto* group = new QActionGroup(backgrounds);
  for (size_t k = 0; k < kBackgrounds.size(); ++k) {
    QAction* choice = backgrounds->addAction(QString());
    texts.Keep(choice, &QAction::setText, "MainWindow", kTitles[k]);
    choice->setObjectName(QStringLiteral("Background_") +
                          QString::fromUtf8(kBackgrounds[k].name.data(),
                                            static_cast<qsizetype>(kBackgrounds[k].name.size())));
    choice->setCheckable(true);
    choice->setChecked(k == 0);
    group->addAction(choice);
    const Rgb colour = kBackgrounds[k].colour;
    connect(choice, &QAction::triggered, this, [this, colour] { form_->ChooseBackground(colour); });
    connect(form_, &Form1::BackgroundChosen, choice,
            [choice, colour](Rgb chosen) { choice->setChecked(chosen == colour); });
  }
}

void MainWindow::AddFunctionMenu() {
  QMenu* functions = menuBar()->addMenu(QString());
  TranslatedTexts::Of(*this).Keep(functions, &QMenu::setTitle, "MainWindow",
                                  QT_TRANSLATE_NOOP("MainWindow", "Фу&нкция"));
  functions->setObjectName(QStringLiteral("FunctionMenu"));
  functions_ = new FunctionMenu(
      *functions, form_->Control(), [this](int32_t kind) { OpenLaw(kind); }, this);
}

// The parameters' window is placed beside this one when first shown, then stays where the user
// puts it.
void MainWindow::OpenLaw(int32_t kind) { EnsureLawWindow().Choose(kind); }

LawWindow& MainWindow::EnsureLawWindow() {
  if (law_ == nullptr) {
    law_ = new LawWindow(
        form_->Control(), [this](const QString& page) { EnsureHelp().ShowPage(page); }, this);
    // At the bottom of the screen (the map's window opens at the top), on the side of this window
    // that has room for it, so that it leaves the option buttons free where it can.
    CompanionPlacement::Follow(*law_, *this, BesideRow::kBottom);
    // The picture's keys work beside its law too: save, copy and the map.
    law_->addActions({form_->PictureContextMenu().SaveAction(),
                      form_->PictureContextMenu().CopyAction(), companions_->OpenMapAction()});
  }
  return *law_;
}

void MainWindow::AddHelpMenu() {
  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  QMenu* help = menuBar()->addMenu(QString());
  texts.Keep(help, &QMenu::setTitle, "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "&Справка"));
  help->setObjectName(QStringLiteral("HelpMenu"));
  helpAction_ = help->addAction(QString());
  texts.Keep(helpAction_, &QAction::setText, "MainWindow",
             QT_TRANSLATE_NOOP("MainWindow", "Справка"));
  helpAction_->setObjectName(QStringLiteral("ContextHelp"));
  helpAction_->setShortcut(QKeySequence(Qt::Key_F1));
  // In the map's window too, whose controls have their places in the help as well.
  helpAction_->setShortcutContext(Qt::ApplicationShortcut);
  connect(helpAction_, &QAction::triggered, this, &MainWindow::ShowContextHelp);

  whatsThis_ = QWhatsThis::createAction(this);  // Shift+F1
  whatsThis_->setObjectName(QStringLiteral("WhatsThis"));
  texts.Keep(whatsThis_, &QAction::setText, "MainWindow",
             QT_TRANSLATE_NOOP("MainWindow", "Что это?"));
  help->addAction(whatsThis_);
  help->addSeparator();

  about_ = help->addAction(QString());
  texts.Keep(about_, &QAction::setText, "MainWindow",
             QT_TRANSLATE_NOOP("MainWindow", "О программе"));
  about_->setObjectName(QStringLiteral("About"));
  about_->setMenuRole(QAction::AboutRole);
  connect(about_, &QAction::triggered, this, &MainWindow::ShowAbout);
  AddLanguageMenu(*help, *this);
}

HelpWindow& MainWindow::EnsureHelp() {
  if (help_ == nullptr) {
    help_ = new HelpWindow(this);
    CompanionPlacement::Follow(*help_, *this);
  }
  return *help_;
}

// The focused control, or the active window when nothing in it has the focus; F1 in the help
// window itself leaves the page as it is.
void MainWindow::ShowContextHelp() {
  const QWidget* asked = QApplication::focusWidget();
  QWidget* active = QApplication::activeWindow();
  if (asked == nullptr || (active != nullptr && asked->window() != active)) asked = active;
  if (help_ != nullptr && asked != nullptr && asked->window() == help_) return;
  if (law_ != nullptr && asked != nullptr && asked->window() == law_) {
    const HelpPlace place = law_->ContextHelpPlace(asked);
    EnsureHelp().ShowPage(place.page, place.anchor);
    return;
  }
  EnsureHelp().ShowContextHelp(asked);
}

void MainWindow::ShowAbout() {
  AboutDialog dialog(this);
  dialog.exec();
}
