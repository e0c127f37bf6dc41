// libFuzzer target: what an administrator's policy key may hold. The first byte picks the
// setting, the second whether the value is a number or a text; the rest is the value
// (UTF-16 code units for a text). Whatever it holds, a value that sets something lies within
// what the setting's readers accept.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/settings/policy_value.h"
#include "core/settings/program_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const auto policies = settings::AllPolicySettings();
    const settings::PolicySetting& p = policies[data[0] % policies.size()];
    settings::RawPolicyValue raw;
    if (data[1] & 1) {
        std::wstring text;
        for (std::size_t i = 2; i + 1 < size; i += 2) text += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
        raw.text = text;
    } else {
        std::uint32_t number = 0;
        std::memcpy(&number, data + 2, std::min<std::size_t>(size - 2, sizeof number));
        raw.number = number;
    }
    if (p.number) {
        const auto value = settings::PolicyNumber(*p.number, raw);
        if (!value) return 0;
        const settings::IntSetting& s = *p.number;
        if (s.Ranged() && (*value < s.min || *value > s.max)) std::abort();
        if (s.policy == settings::PolicyForm::Flag && *value != settings::kTrue && *value != settings::kFalse)
            std::abort();
        if (s.policy == settings::PolicyForm::HotKey && (*value < 0 || *value > 0xFFFF)) std::abort();
        if (s.policy == settings::PolicyForm::Megabytes && *value <= 0) std::abort();
    } else {
        const auto text = settings::PolicyText(*p.text, raw);
        if (!text) return 0;
        if (text->size() >= p.text->capacity) std::abort();
        if (p.text->policy == settings::PolicyForm::ProgramList &&
            settings::JoinProgramList(settings::ParseProgramList(*text)) != *text)
            std::abort();
    }
    return 0;
}
