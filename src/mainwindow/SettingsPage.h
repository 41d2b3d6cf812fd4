#pragma once

#include "forms/Form.h"

namespace selvana {

// The "Postavke" page: its two sub-pages and the two values of the settings file.
class SettingsPage {
public:
    SettingsPage(Form& form, QString settingsFile);

    static QString defaultPlace();
    void load(); // reads both values into their fields
    void save(); // bt_ps_spremiClick
    void showSubPage(int index);

private:
    QString m_file;
    TextField& m_place;
    TextField& m_basePath;
    PageControl& m_pages;
};

} // namespace selvana
