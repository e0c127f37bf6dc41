#include "core/booster/logon_start.h"

namespace booster {

bool StartRuns(ServiceArguments::Kind kind, std::optional<std::int32_t> autostartPolicy) {
    switch (kind) {
        case ServiceArguments::kLogon:
            return autostartPolicy.value_or(1) != 0;
        case ServiceArguments::kLogonByPolicy:
            return autostartPolicy.value_or(0) != 0;
        case ServiceArguments::kPlain:
        case ServiceArguments::kFile:
        case ServiceArguments::kInvalid:
            break;
    }
    return true;
}

}  // namespace booster
