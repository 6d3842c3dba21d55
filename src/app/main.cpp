// gauss-sphere: the reflectance map of a surface on the Gaussian sphere, in one window.

#include <QApplication>

#include "app/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  Form1 window;
  window.show();
  return QApplication::exec();
}
