#include "shell/lang/locale_lcid.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <utility>

namespace cpe {
namespace {

constexpr std::uint32_t kDefaultLcid = 1033;

// Locale identifiers as the console's language table knows them; a bare language stands for its
// main country.
constexpr std::array<std::pair<std::string_view, std::uint32_t>, 72> kLocales{{
    {"zh_CN", 2052},  {"zh_TW", 1028},  {"zh_HK", 3076}, {"zh_SG", 4100}, {"zh_MO", 5124}, {"en_US", 1033},
    {"en_GB", 2057},  {"en_AU", 3081},  {"en_CA", 4105}, {"en_NZ", 5129}, {"en_IE", 6153}, {"en_ZA", 7177},
    {"en_IN", 16393}, {"en_SG", 18441}, {"de_DE", 1031}, {"de_CH", 2055}, {"de_AT", 3079}, {"fr_FR", 1036},
    {"fr_BE", 2060},  {"fr_CA", 3084},  {"fr_CH", 4108}, {"es_ES", 3082}, {"es_MX", 2058}, {"es_AR", 11274},
    {"it_IT", 1040},  {"it_CH", 2064},  {"pt_BR", 1046}, {"pt_PT", 2070}, {"ru_RU", 1049}, {"ja_JP", 1041},
    {"ko_KR", 1042},  {"nl_NL", 1043},  {"nl_BE", 2067}, {"pl_PL", 1045}, {"cs_CZ", 1029}, {"sk_SK", 1051},
    {"hu_HU", 1038},  {"ro_RO", 1048},  {"bg_BG", 1026}, {"el_GR", 1032}, {"tr_TR", 1055}, {"sv_SE", 1053},
    {"da_DK", 1030},  {"fi_FI", 1035},  {"nb_NO", 1044}, {"uk_UA", 1058}, {"ar_SA", 1025}, {"he_IL", 1037},
    {"th_TH", 1054},  {"vi_VN", 1066},  {"id_ID", 1057}, {"ms_MY", 1086}, {"sl_SI", 1060}, {"hr_HR", 1050},
    {"et_EE", 1061},  {"lv_LV", 1062},  {"lt_LT", 1063}, {"zh", 2052},    {"en", 1033},    {"de", 1031},
    {"fr", 1036},     {"es", 3082},     {"it", 1040},    {"pt", 2070},    {"ru", 1049},    {"ja", 1041},
    {"ko", 1042},     {"nl", 1043},     {"pl", 1045},    {"cs", 1029},    {"tr", 1055},    {"uk", 1058},
}};

} // namespace

std::uint32_t LcidFromLocaleName(std::string_view name) {
    name = name.substr(0, name.find_first_of(".@"));
    std::string key(name);
    std::replace(key.begin(), key.end(), '-', '_');
    for (const auto& [locale, lcid] : kLocales) {
        if (locale == key) {
            return lcid;
        }
    }
    return kDefaultLcid;
}

std::uint32_t SystemDefaultLcid() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            return LcidFromLocaleName(value);
        }
    }
    return kDefaultLcid;
}

} // namespace cpe
