#pragma once

#include <QObject>

class TextFormsTest : public QObject {
    Q_OBJECT
private slots:
    void formats_data();
    void formats();
    void parses_data();
    void parses();
    void dates();
};

class FormTest : public QObject {
    Q_OBJECT
private slots:
    void numberFieldKeepsShownValue();
    void changeRuleChainTerminates();
    void errorHandlerShowsOneMessage();
    void unknownNameFailsLoudly();
    void choiceListSortsCroatianAndTakesFirstValue();
    void radioItemsAndButtonsByName();
    void validatorRefusesAndKeepsText();
    void dateAndTimeRefusedInCroatian_data();
    void dateAndTimeRefusedInCroatian();
    void typingByControlKind_data();
    void typingByControlKind();
    void controlsShowTextOrCaption();
    void pickersKeepWholeMinutesAndNotifyEveryPick();
    void everyRegistrationAddsAHandler();
};
