// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "ShowLookupResult.h"

#include "Controls.h"
#include "Lookup.h"
#include "frmDisplay.h"
#include "frmFarewell.h"
#include "frmMain.h"

#include <QGroupBox>

void ShowLookupResult(const LookupResult &result)
{
    frmDisplay &display = Form::get<frmDisplay>();
    if (result.mode == SearchMode::ByRaga)
        bringToFront(display.fraRagaResult, display.fraAilmentResult);
    else
        bringToFront(display.fraAilmentResult, display.fraRagaResult);

    // A half that found nothing leaves its captions as the window was built.
    if (result.ragaFound) {
        setCaption(display.lblChoosenRaga, toQString(result.chosenRaga));
        setCaption(display.lblDiseaseItHelpCure, toQString(result.diseaseItHelpCure));
        setCaption(display.lblTimeOfPerformanceRaga, toQString(result.timeOfPerformance));
    }
    if (result.ailmentFound) {
        setCaption(display.lblChoosenAilment, toQString(result.chosenAilment));
        setCaption(display.lblRagaItHelpCure, toQString(result.ragaItHelpCure));
    }

    Form::get<frmMain>().hide();
    Form::get<frmFarewell>().hide();
    display.showModeless();
}
