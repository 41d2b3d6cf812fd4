#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace selvana {

class ChoiceList;
class GridTable;
class Folders;
class Form;
class Windows;
class Windows;

// The "Subjekti" page: the subjects table, choosing, adding, saving and deleting subjects,
// the year field's rule and filling from the Dravik subject base.
class SubjectsPage {
public:
    static constexpr int kColumns = 9;

    // setBookPagesEnabled: the book's pages are usable or not (a subject was chosen or deleted).
    SubjectsPage(Form& form, const Folders& folders, bool readOnly, Windows& windows,
                 std::function<void(bool)> setBookPagesEnabled);

    // Start-up: subjects.txt into sg_subjekti and the choice list, the first subject current.
    void load();
    // Start-up: the entry fields are shown only while there is no subject.
    void showFieldsWhenEmpty();
    // Start-up: the Dravik base named in the settings, when that file exists.
    void loadBase();

    bool isEmpty() const;          // no subject yet
    QString currentNumber() const; // column 0 of the current row
    QString currentName() const;   // column 1 of the current row
    GridTable& table();
    QString tableFile() const;

    // The actions of the page's controls.
    void subjectChosen(); // cb_subjektiChange
    void add();           // fcShapeBtn24Click
    void save();          // fcShapeBtn26Click
    void remove();        // fcShapeBtn25Click
    void baseChosen();    // cb_bazaChange

private:
    void declareEntryFields();
    void fillChoiceList();
    void chooseEntry(int index);
    void saveCurrentRow();
    void setFields(const QStringList& texts); // the eight fields, in table column order
    QStringList subjectFiles(const QString& number) const;
    ChoiceList& subjectList() const;

    Form& m_main;
    const Folders& m_folders;
    bool m_readOnly;
    std::function<void(bool)> m_setBookPagesEnabled;
};

} // namespace selvana
