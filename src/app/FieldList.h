// The support field list: everything the program knows about the customer, the product and the
// machine, as name=value lines named after the support pages' form fields. The main window
// builds it once at start-up (customer lines first, then system lines); form filling and
// printing only read it.
#pragma once

#include "app/RunState.h"
#include "data/SystemProbe.h"

namespace hovlo {

// Appends the customer-file section "Adresse" (file order, empty values skipped, a repeated key
// once), "Kundennummer=", "Hausnummer=", then "Produktname=", "version=", "dialog_id=".
void CollectCustomerData(TFieldList& list, const TRunState& state);

// Appends memory, screen, version, printer and disk lines, each group measured through the
// probe in a guarded step of its own: a failing step leaves out only its remaining lines.
void CollectSystemData(TFieldList& list, ISystemProbe& probe);

} // namespace hovlo
