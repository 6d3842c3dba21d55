#pragma once
// «О программе»: the program's name and version, the Qt it runs on, its licence and where its
// formulas come from. A small modal dialog with one button.

#include <QDialog>
#include <QString>

// The dialog's text (rich text): name, version, Qt version at run time, licence, sources.
QString AboutText();

class AboutDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};
