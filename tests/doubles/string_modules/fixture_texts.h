// Texts of the string-resource modules built for tests, shared by their
// resource scripts and the tests that expect them. The English texts differ
// from the module's compiled-in fallbacks, so a test can tell a looked-up text
// from a fallback. Plain macros of UTF-8 narrow literals, since the resource
// compiler reads this file too (it mangles UTF-8 inside L"..."); C++ code
// widens them by writing L"" in front.
#pragma once

// Identifiers only the test modules carry: a 300-character entry and an empty
// one in the same block.
#define FX_ID_LONG 3072
#define FX_ID_EMPTY 3073
#define FX_ID_AFTER_EMPTY 3074
// An identifier in a block no test module has.
#define FX_ID_NO_BLOCK 4000

#define FX_EN_3064 "Stored Job Identification"
#define FX_EN_844 "User:"
#define FX_EN_845 "Job:"
#define FX_EN_3062 "This job is kept at:"
#define FX_EN_3063 "Do not show this notice again."
#define FX_EN_849 "OK"
#define FX_EN_797 "Help"
#define FX_EN_AFTER_EMPTY "After the empty entry"
#define FX_LONG_TEXT \
    "0123456789abcdefghij0123456789abcdefghij0123456789abcdefghij0123456789abcdefghij" \
    "0123456789abcdefghij0123456789abcdefghij0123456789abcdefghij0123456789abcdefghij" \
    "0123456789abcdefghij0123456789abcdefghij0123456789abcdefghij0123456789abcdefghij" \
    "0123456789abcdefghij0123456789abcdefghij0123456789abcdefghij"

#define FX_DE_3064 "Identifikation gespeicherter Aufträge"
#define FX_DE_844 "Benutzername:"
#define FX_DE_845 "Auftragsname:"
#define FX_DE_3062 "Dieser Druckauftrag wird gespeichert unter:"
#define FX_DE_3063 "Diese Information künftig nicht mehr anzeigen."
#define FX_DE_849 "O&K"
#define FX_DE_797 "&Hilfe"

#define FX_AR_3064 "تعريف المهمة المخزنة"
#define FX_AR_844 "اسم المستخدم:"
#define FX_AR_845 "اسم المهمة:"
#define FX_AR_3062 "سيتم تخزين مهمة الطباعة هذه في:"
#define FX_AR_3063 "لا تعرض هذه المعلومات في المستقبل."
#define FX_AR_849 "موافق"
#define FX_AR_797 "تعليمات"

#define FX_HE_3064 "זיהוי עבודה מאוחסנת"
#define FX_HE_844 "שם משתמש:"
#define FX_HE_845 "שם עבודה:"
#define FX_HE_3062 "עבודת הדפסה זו תאוחסן ב:"
#define FX_HE_3063 "אל תציג מידע זה בעתיד."
#define FX_HE_849 "אישור"
#define FX_HE_797 "עזרה"

// The module with only a named "RT_STRING" type in German besides its real
// English and Italian tables.
#define FX_IT_844 "Utente:"
