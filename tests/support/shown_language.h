#pragma once

#include "app/language_setup.h"
#include "ui_app.h"

#include <QList>
#include <QTranslator>

namespace kv::test {

// A language shown for the length of a scope, installed as a program installs it when
// it starts. Leaving the scope takes the translations off again and goes back to
// Chinese, so that the program's next test starts as the window does by default.
// Windows opened inside the scope show the language.
class ShownLanguage {
public:
    explicit ShownLanguage(Language language)
        : before_(UiApp().findChildren<QTranslator*>()), installed_(InstallLanguage(UiApp(), language))
    {
    }
    ~ShownLanguage()
    {
        for (QTranslator* translator : UiApp().findChildren<QTranslator*>())
            if (!before_.contains(translator))
                delete translator;
        SetCurrentLanguage(Language::Chinese);
    }
    ShownLanguage(const ShownLanguage&) = delete;
    ShownLanguage& operator=(const ShownLanguage&) = delete;

    // Whether the language's translation was found and installed.
    bool installed() const { return installed_; }

private:
    QList<QTranslator*> before_;
    bool installed_;
};

} // namespace kv::test
