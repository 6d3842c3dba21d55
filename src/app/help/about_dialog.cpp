#include "app/help/about_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "app/language/translated_texts.h"

#ifndef GAUSS_SPHERE_VERSION
#error "GAUSS_SPHERE_VERSION must be defined by the build"
#endif

namespace {

constexpr int kTextWidth = 460;

}  // namespace

QString AboutText() {
  return QCoreApplication::translate(
             "AboutDialog",
             "<h3>Тревелум на сфере Гаусса</h3>"
             "<p>Версия %1</p>"
             "<p>Карта отражательной способности поверхности на сфере Гаусса: тон, изолинии "
             "и зоны тени функции ф(i, e, g) при заданных поворотах наблюдения и наклоне "
             "источника, а также карта R(p, q) в градиентном пространстве.</p>"
             "<p>Qt %2 (программа собрана с Qt %3).</p>"
             "<p>Лицензия MIT. © 2026 The Gauss Sphere developers. Программа распространяется "
             "«как есть», без каких-либо гарантий; полный текст лицензии — в файле LICENSE.</p>"
             "<p><b>Источники формул</b></p>"
             "<ul>"
             "<li>Матовая поверхность: закон Ламберта, ф = cos i.</li>"
             "<li>Глянцевая поверхность: диффузная часть и блик вида "
             "(n + 1)/2 · s · cos<sup>n</sup>, как в модели Фонга (Phong, 1975).</li>"
             "<li>Каменистая поверхность: ф = cos i / cos e, как у фотометрической функции "
             "лунных морей.</li>"
             "<li>Зеркальная поверхность: закон отражения, i = e и g = i + e.</li>"
             "<li>Карта отражательной способности и градиентное пространство: "
             "B. K. P. Horn, <i>Robot Vision</i>, MIT Press, 1986, гл. 10–11.</li>"
             "</ul>")
      .arg(QStringLiteral(GAUSS_SPHERE_VERSION), QString::fromLatin1(qVersion()),
           QStringLiteral(QT_VERSION_STR));
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutDialog"));
  TranslatedTexts::Of(*this).Keep(static_cast<QWidget*>(this), &QWidget::setWindowTitle,
                                  "AboutDialog", QT_TRANSLATE_NOOP("AboutDialog", "О программе"));

  auto* icon = new QLabel(this);
  icon->setPixmap(QPixmap(QStringLiteral(":/images/icon.png")));
  icon->setAlignment(Qt::AlignTop);
  auto* text = new QLabel(AboutText(), this);
  text->setObjectName(QStringLiteral("AboutText"));
  text->setTextFormat(Qt::RichText);
  text->setWordWrap(true);
  text->setFixedWidth(kTextWidth);
  text->setTextInteractionFlags(Qt::TextBrowserInteraction);
  text->setOpenExternalLinks(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* row = new QHBoxLayout;
  row->addWidget(icon);
  row->addWidget(text, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}
