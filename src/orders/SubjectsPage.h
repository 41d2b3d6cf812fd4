#pragma once

#include <QString>
#include <QStringList>

namespace selvana {

class ChoiceList;
class GridTable;
class MainWindowModel;

// The "Subjekti" page: the subjects table, choosing, adding, saving and deleting subjects,
// the year field's rule and filling from the Dravik subject base.
class SubjectsPage {
public:
    static constexpr int kColumns = 9;

    explicit SubjectsPage(MainWindowModel& main);

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

    MainWindowModel& m_main;
};

} // namespace selvana
