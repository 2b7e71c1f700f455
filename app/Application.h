// SPDX-License-Identifier: MIT
#pragma once

#include "Translations.h"

#include <QApplication>

// The application object: the program's texts in the user's language, and an exception that
// escapes an event handler shown to the user as a fatal error instead of crossing Qt's event loop.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Where the program's catalogues are compiled in, and their name.
    static inline const QString CatalogueFolder = Translations::ProgramFolder;
    static inline const QString CatalogueName = Translations::ProgramName;

private:
    Translations translations { QLocale(), CatalogueFolder, CatalogueName };
};
