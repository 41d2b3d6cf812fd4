#include "mainwindow/SettingsPage.h"

#include "base/StorableText.h"
#include "storage/IniFile.h"

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

const QString kPlaceSection = u"Mjesto"_s;
const QString kPlaceKey = u"Naziv"_s;
const QString kBaseSection = u"Baza"_s;
const QString kBaseKey = u"Lokacija"_s;

} // namespace

SettingsPage::SettingsPage(Form& form, QString settingsFile)
    : m_file(std::move(settingsFile)), m_place(form.add<TextField>(u"ed_ps_mjesto"_s)),
      m_basePath(form.add<TextField>(u"ed_pst_lokacija_baze"_s)),
      m_pages(form.add<PageControl>(u"pc_pst_stranice"_s))
{
    m_place.setCaption(u"Mjesto izrade naloga"_s);
    m_basePath.setCaption(u"Put do baze podataka koja se koristi u programu Dravik (Baza.csv)"_s);
    for (TextField* field : {&m_place, &m_basePath})
        field->setValidator([](const QString& text) { StorableText::check(text); });

    const QStringList subPages = {u"&Ostalo"_s, u"Arhiva"_s};
    const QStringList pageNames = {u"ts_pst_ostalo"_s, u"ts_pst_arhiv"_s};
    for (int i = 0; i < subPages.size(); ++i) {
        m_pages.addPage(&form.add<Panel>(pageNames[i], QString(subPages[i]).remove(u'&')));
        auto& button = form.add<Button>(u"fcButtonGroup12_"_s + QString::number(i), subPages[i]);
        button.onClick([this, i] { showSubPage(i); });
    }
    form.alias(u"bt_pst_arhiv"_s, form.control(u"fcButtonGroup12_1"));

    form.add<Button>(u"bt_ps_spremi"_s, u"Spremi"_s).onClick([this] { save(); });
}

QString SettingsPage::defaultPlace()
{
    return u"Zagreb"_s;
}

void SettingsPage::load()
{
    m_place.setText(IniFile::getString(m_file, kPlaceSection, kPlaceKey, defaultPlace()));
    m_basePath.setText(IniFile::getString(m_file, kBaseSection, kBaseKey, QString()));
}

void SettingsPage::save()
{
    // A settings file that cannot be written keeps its old values, without a message.
    IniFile::setString(m_file, kPlaceSection, kPlaceKey, m_place.text());
    IniFile::setString(m_file, kBaseSection, kBaseKey, m_basePath.text());
}

void SettingsPage::showSubPage(int index)
{
    m_pages.setIndex(index);
    m_pages.scrollToTop();
}

} // namespace selvana
