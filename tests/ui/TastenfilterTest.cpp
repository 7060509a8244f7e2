#include "ui/Tastenfilter.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using A = TTastenaktion;

TEST(Tastenfilter, Ganzzahleingabe) {
    const struct {
        char16_t zeichen;
        A::TArt art;
    } faelle[] = {{u'0', A::Durchlassen}, {u'9', A::Durchlassen}, {u'-', A::Durchlassen},
                  {8, A::Durchlassen},    {13, A::Eingabetaste},  {u'.', A::Verwerfen},
                  {u',', A::Verwerfen},   {u'a', A::Verwerfen},   {u' ', A::Verwerfen},
                  {u'+', A::Verwerfen}};
    for (const auto& f : faelle) {
        EXPECT_EQ(Ganzzahleingabe(QChar(f.zeichen)).Art, f.art) << int(f.zeichen);
    }
}

TEST(Tastenfilter, Zahleingabe) {
    const struct {
        char16_t zeichen;
        const char* text;
        A::TArt art;
    } faelle[] = {
        {u'5', "50", A::Durchlassen},  {u'-', "", A::Durchlassen},  {u'.', "50", A::Durchlassen},
        {u'.', "50.5", A::Verwerfen},  {u',', "50", A::Ersetzen},   {u',', "50.5", A::Verwerfen},
        {13, "50.5", A::Eingabetaste}, {8, "50.5", A::Durchlassen}, {u'e', "5", A::Verwerfen},
        {u'x', "", A::Verwerfen},
    };
    for (const auto& f : faelle) {
        const A a = Zahleingabe(QChar(f.zeichen), QString::fromUtf8(f.text));
        EXPECT_EQ(a.Art, f.art) << int(f.zeichen) << " in " << f.text;
        if (a.Art == A::Ersetzen) {
            EXPECT_EQ(a.Zeichen, QChar(u'.'));
        }
    }
}

} // namespace
} // namespace umbrarix
