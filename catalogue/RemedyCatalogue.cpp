// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "RemedyCatalogue.h"

#include <array>

namespace {

// Nearly alphabetical, but not quite ("Jaunpuri" before "Jaijawanti"): the order is the data's own.
constexpr std::array<RagaEntry, 37> ragaTable{{
    {"Ahir Bhairav", "1) Indigestion\r\n2)RheumaticArthritis\r\n3)Hypertension", "Morning"},
    {"Anand Bhairavi", "Blood Pressure", "Night"},
    {"Asavari", "Builds Confidence", "Morning "},
    {"Bageshri", "Insomnia", "Night"},
    {"Basant Bahar", "Gall Stones (Cholecystitis)", "Evening"},
    {"Bhairavi", "1)Rheumatic Arthritis\r\n2)Sinusitis\r\n3)Encourages Detachment", "Any Time"},
    {"Bhim Palas", "1)Anxiety\r\n2)Hypertension", "Afternoon"},
    {"Brindabani Sarang", "Depression", "Afternoon"},
    {"Chandrakauns", "Anorexia", "Night"},
    {"Darbari", "Sedative", "Night"},
    {"Darbari Kanada", "Headache", "Night"},
    {"Deepak", "1)Indigestion\r\n2)Anorexia\r\n3)Hyperacidity\r\n4)Gall Stones(Cholecystitis)",
     "Evening"},
    {"Gujari Todi", "Cough", "Morning"},
    {"Gunakali", "1)Rheumatic Arthritis\r\n2)Constipation\r\n3)Headache\r\n4)Piles or Hemorrhoids",
     "Morning"},
    {"Hindol", "1)Rheumatic Arthritis\r\n2)Spondilitis\r\n3)Backache\r\n4)Hypertension", "Morning"},
    {"Jaunpuri", "1)Intestinal Gas\r\n2)Diarrhoea\r\n3)Constipation", "Morning"},
    {"Jaijawanti", "1)Rheumatic Arthritis\r\n2)Diarrhoea\r\n3)Headache", "Night"},
    {"Kafi", "Sleep disorders", "Any Time"},
    {"Kausi Kanada", "1)Hypertension\r\n2)Common Cold", "Night"},
    {"Kedar", "1)Headache\r\n2)Common Cold\r\n3)Cough,Asthma", "Night"},
    {"Khamaj", "Sleep disorders", "Evening"},
    {"Madhuvanti", "Piles or Hemorrhoids", "Afternoon"},
    {"Malkauns", "Intestinal Gas", "Night"},
    {"Malhar", "Asthma", "Night"},
    {"Marwa", "1)Indigestion\r\n2)Hyperacidity", "Evening"},
    {"Mohana", "All types of General illness", "Evening"},
    {"Nat Bhairav", "1)Indigestion\r\n2)Rheumatic Arthritis\r\n3)Colitis", "Morning"},
    {"Neelambari", "Sleeping Disorder", "Night"},
    {"Puriya", "1)Colitis\r\n2)Anaemia\r\n3)Hypertension", "Evening"},
    {"Puriya Dhanashri", "Anaemia", "Evening"},
    {"Ramkali", "1)Colitis\r\n2),Piles or Hemorrhoids", "Morning"},
    {"Shree", "1)Anorexia\r\n2)Common Cold\r\n3)Cough,Asthma", "Evening"},
    {"Shudh Sarang", "1)Anorexia\r\n2)Gall Stones (Cholecystitis)", "Afternoon"},
    {"Sohani", "Headache", "Morning"},
    {"Shyam Kalyan", "1)Cough\r\n2)Asthma", "Evening"},
    {"Vasantha", "Pregnancy", "Evening"},
    {"Yaman", "Rheumatic Arthritis", "Evening"},
}};

// Ordered by the first raga each row names, following the raga table.
constexpr std::array<AilmentEntry, 29> ailmentTable{{
    {"Indigestion", "1)Ahir Bhairav\r\n2)Deepak\r\n3)Marwa\r\n4)Nat Bhairav "},
    {"Rheumatic Arthritis", "1)Ahir Bhairav\r\n2)Bhairavi\r\n3)Gunakali\r\n4)Hindol\r\n"
                            "5)Jaijawanti Nat Bhairav\r\n6)Yaman"},
    {"Hypertension", "1)Ahir Bhairav\r\n2)Bhim Palas\r\n3)Hindol\r\n4)Kausi Kanada\r\n5)Puriya"},
    {"Blood Pressure", "Anand Bhairavi"},
    {"Builds Confidence", "Asavari"},
    {"Insomnia", "Bageshri"},
    {"Gall Stones (Cholecystitis)", "1)Basant Bahar\r\n2)Deepak\r\n3)Shudh Sarang"},
    {"Sinusitis", "Bhairavi"},
    {"Encourages Detachment", "Bhairavi"},
    {"Anxiety", "Bhim Palas"},
    {"Depression", "Brindabani Sarang,"},
    {"Anorexia", "1)Chandrakauns\r\n2)Deepak\r\n3)Shree\r\n4)Shudh Sarang"},
    {"Sedative", "Darbari"},
    {"Headache", "1)Darbari Kanada\r\n2)Gunakali\r\n3)JaijawantiKedar\r\n4)Sohani"},
    {"Asthma", "1)Darbari Kanada\r\n2)Kedar\r\n3)Malhar\r\n4)Shree\r\n5)Shyam Kalyan"},
    {"Hyperacidity", "1)Deepak\r\n2)Marwa"},
    {"Cough", "1)Gujari Todi\r\n2)Kedar\r\n3)Shree\r\n4)Shyam Kalyan"},
    {"Constipation", "1)Gunakali\r\n2)Jaunpuri"},
    {"Piles or Hemorrhoids", "1)Gunakali\r\n2)Madhuvanti\r\n3)Ramkal"},
    {"Spondilitis", "Hindol"},
    {"Backache", "Hindol"},
    {"Intestinal Gas", "1)Jaunpuri\r\n2)Malkauns"},
    {"Diarrhoea", "1)Jaunpuri\r\n2)Jaijawanti"},
    {"Sleep disorders", "1)Kafi\r\n2)Khamaj\r\n3)Neelambari"},
    {"Common Cold", "1)Kausi Kanada\r\n2)Kedar\r\n3)Shree"},
    {"All types of General illness", "Mohana "},
    {"Colitis", "1)Nat Bhairav\r\n2)Puriya\r\n3)Ramkali"},
    {"Anaemia", "1)Puriya\r\n2)Puriya Dhanashri"},
    {"Pregnancy", "Vasantha"},
}};

} // namespace

const RemedyCatalogue &Catalogue()
{
    static constexpr RemedyCatalogue catalogue{ragaTable, ailmentTable};
    return catalogue;
}
