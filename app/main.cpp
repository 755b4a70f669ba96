#include "app/dorvek.h"
#include "app/translation.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QTranslator translator;
    install_japanese_translation(application, translator, QLocale::system());

    Dorvek window;
    window.show();
    return application.exec();
}
