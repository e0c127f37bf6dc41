#include "tools/admx/template_writer.h"

#include <cstdint>
#include <string_view>

#include "core/settings/policy_value.h"
#include "resources/version.h"

namespace admx {
namespace {

using settings::PolicyForm;
using settings::PolicySetting;

constexpr const char* kNamespace = "TesslySoftware.Policies.DozidiDavazez";
constexpr const char* kPrefix = "tesslydozididavazez";
constexpr const char* kSupportedId = "SUPPORTED_DozidiDavazez";
constexpr const char* kProductCategory = "DozidiDavazez";
constexpr const char* kSchema =
    "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    "revision=\"1.0\" schemaVersion=\"1.0\" "
    "xmlns=\"http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions\"";

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// "Ctrl+Alt+F" for a stored hot key, as the policy's text value spells it.
std::string HotKeyText(std::int32_t code) {
    std::string text;
    if (code & settings::kHotKeyCtrl) text += "Ctrl+";
    if (code & settings::kHotKeyAlt) text += "Alt+";
    if (code & settings::kHotKeyShift) text += "Shift+";
    const int key = code & settings::kHotKeyKeyMask;
    if (key >= 0x70 && key <= 0x87) return text + "F" + std::to_string(key - 0x70 + 1);  // VK_F1..VK_F24
    return text + static_cast<char>(key);
}

// The figures a policy's texts may name.
struct Figures {
    std::int64_t min = 0, max = 0;
    std::string defaultValue;
};

Figures FiguresOf(const PolicySetting& policy) {
    const settings::IntSetting* n = policy.number;
    switch (policy.Form()) {
        case PolicyForm::Number:
        case PolicyForm::Choice:
            if (!n->Ranged()) return {0, INT32_MAX, std::to_string(n->defaultValue)};
            return {n->min, n->max, std::to_string(n->defaultValue)};
        case PolicyForm::Megabytes:
            return {
                settings::kPolicyMinMegabytes, settings::kPolicyMaxMegabytes,
                std::to_string(n->defaultValue / 1048576)};
        case PolicyForm::HotKey:
            return {0, 0, HotKeyText(n->defaultValue)};
        case PolicyForm::ProgramList:
            return {0, static_cast<std::int64_t>(policy.text->capacity - 1), ""};
        default:
            return {};
    }
}

std::string Filled(std::string text, const Figures& figures) {
    const std::pair<std::string, std::string> names[] = {
        {"{min}", std::to_string(figures.min)},
        {"{max}", std::to_string(figures.max)},
        {"{default}", figures.defaultValue},
        {"{version}", std::string(PRODUCT_VERSION_TEXT).substr(0, std::string(PRODUCT_VERSION_TEXT).find('.', 2))},
    };
    for (const auto& [name, value] : names)
        for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + value.size()))
            text.replace(at, name.size(), value);
    return text;
}

std::string StringId(const std::string& context) {
    std::string id = context;
    for (char& c : id)
        if (c == '.') c = '_';
    return id;
}

std::string StringRef(const std::string& context) { return "$(string." + StringId(context) + ")"; }

std::string PolicyElements(const PolicySetting& policy) {
    const std::string name = policy.Name();
    const Figures figures = FiguresOf(policy);
    const std::string head = "id=\"" + name + "\" valueName=\"" + name + "\"";
    switch (policy.Form()) {
        case PolicyForm::Number:
        case PolicyForm::Megabytes:
            return "        <decimal " + head + " minValue=\"" + std::to_string(figures.min) + "\" maxValue=\"" +
                   std::to_string(figures.max) + "\" required=\"true\" />\n";
        case PolicyForm::Choice: {
            std::string out = "        <enum " + head + " required=\"true\">\n";
            for (std::int64_t v = figures.min; v <= figures.max; ++v)
                out += "          <item displayName=\"" + StringRef(name + ".Item" + std::to_string(v)) +
                       "\"><value><decimal value=\"" + std::to_string(v) + "\" /></value></item>\n";
            return out + "        </enum>\n";
        }
        case PolicyForm::HotKey:
            return "        <text " + head + " />\n";
        case PolicyForm::ProgramList:
            return "        <text " + head + " maxLength=\"" + std::to_string(figures.max) + "\" />\n";
        case PolicyForm::Language: {
            std::string out = "        <enum " + head + " required=\"true\">\n";
            for (const TemplateLanguage& l : TemplateLanguages())
                out += "          <item displayName=\"" + StringRef(name + "." + l.abbreviation) +
                       "\"><value><string>" + l.abbreviation + "</string></value></item>\n";
            return out + "        </enum>\n";
        }
        default:
            return "";
    }
}

std::string Policy(const PolicySetting& policy) {
    const std::string name = policy.Name();
    const bool flag = policy.Form() == PolicyForm::Flag;
    std::string out = "    <policy name=\"" + name + "\" class=\"Both\" displayName=\"" + StringRef(name + ".Name") +
                      "\" explainText=\"" + StringRef(name + ".Explain") + "\"";
    if (!flag) out += " presentation=\"$(presentation." + name + ")\"";
    out += std::string(" key=\"") + Escaped(settings::kPoliciesKeyPath) + "\"";
    // An on/off policy writes its own value; the others leave the value to their element, so
    // that enabling them writes nothing else under the setting's name.
    if (flag) out += " valueName=\"" + name + "\"";
    out += ">\n      <parentCategory ref=\"" + std::string(CategoryOf(policy)) + "\" />\n";
    out += std::string("      <supportedOn ref=\"") + kSupportedId + "\" />\n";
    if (flag)
        return out +
               "      <enabledValue><decimal value=\"1\" /></enabledValue>\n"
               "      <disabledValue><decimal value=\"0\" /></disabledValue>\n    </policy>\n";
    return out + "      <elements>\n" + PolicyElements(policy) + "      </elements>\n    </policy>\n";
}

std::string Presentation(const PolicySetting& policy, const Texts& texts) {
    const std::string name = policy.Name();
    const Figures figures = FiguresOf(policy);
    const std::string label = Escaped(Filled(texts.at(name + ".Label"), figures));
    std::string out = "        <presentation id=\"" + name + "\">\n          ";
    switch (policy.Form()) {
        case PolicyForm::Number:
        case PolicyForm::Megabytes:
            out += "<decimalTextBox refId=\"" + name + "\" defaultValue=\"" + figures.defaultValue +
                   "\" spinStep=\"1\">" + label + "</decimalTextBox>";
            break;
        case PolicyForm::Choice:
            out += "<dropdownList refId=\"" + name + "\" noSort=\"true\" defaultItem=\"" +
                   std::to_string(policy.number->defaultValue - figures.min) + "\">" + label + "</dropdownList>";
            break;
        case PolicyForm::Language:
            out +=
                "<dropdownList refId=\"" + name + "\" noSort=\"true\" defaultItem=\"0\">" + label + "</dropdownList>";
            break;
        default:
            out += "<textBox refId=\"" + name + "\"><label>" + label + "</label>";
            if (!figures.defaultValue.empty())
                out += "<defaultValue>" + Escaped(figures.defaultValue) + "</defaultValue>";
            out += "</textBox>";
    }
    return out + "\n        </presentation>\n";
}

std::string String(const std::string& context, const std::string& text) {
    return "        <string id=\"" + StringId(context) + "\">" + Escaped(text) + "</string>\n";
}

}  // namespace

std::string AdmxDocument() {
    std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<policyDefinitions " + std::string(kSchema) + ">\n";
    out += "  <policyNamespaces>\n    <target prefix=\"" + std::string(kPrefix) + "\" namespace=\"" + kNamespace +
           "\" />\n  </policyNamespaces>\n";
    out += "  <resources minRequiredRevision=\"1.0\" />\n";
    out += "  <supportedOn>\n    <definitions>\n      <definition name=\"" + std::string(kSupportedId) +
           "\" displayName=\"" + StringRef(kSupportedContext) + "\" />\n    </definitions>\n  </supportedOn>\n";
    out += "  <categories>\n    <category name=\"" + std::string(kProductCategory) + "\" displayName=\"" +
           StringRef(kProductContext) + "\" />\n";
    for (const Category& c : Categories())
        out += "    <category name=\"" + std::string(c.id) + "\" displayName=\"" +
               StringRef(std::string("Category.") + c.id) + "\">\n      <parentCategory ref=\"" +
               (c.parent ? c.parent : kProductCategory) + "\" />\n    </category>\n";
    out += "  </categories>\n  <policies>\n";
    for (const PolicySetting& policy : settings::AllPolicySettings()) out += Policy(policy);
    return out + "  </policies>\n</policyDefinitions>\n";
}

std::string AdmlDocument(const Texts& texts) {
    std::string out =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<policyDefinitionResources " + std::string(kSchema) + ">\n";
    out += "  <displayName>" + Escaped(texts.at(kProductContext)) + "</displayName>\n";
    out += "  <description>" + Escaped(texts.at(kProductContext)) + "</description>\n";
    out += "  <resources>\n    <stringTable>\n";
    out += String(kProductContext, texts.at(kProductContext));
    out += String(kSupportedContext, Filled(texts.at(kSupportedContext), {}));
    for (const Category& c : Categories()) {
        const std::string context = std::string("Category.") + c.id;
        out += String(context, texts.at(context));
    }
    for (const PolicySetting& policy : settings::AllPolicySettings()) {
        const std::string name = policy.Name();
        const Figures figures = FiguresOf(policy);
        for (const auto& [context, text] : texts)
            if (context.starts_with(name + ".") && !context.ends_with(".Label"))
                out += String(context, Filled(text, figures));
    }
    out += "    </stringTable>\n    <presentationTable>\n";
    for (const PolicySetting& policy : settings::AllPolicySettings())
        if (policy.Form() != PolicyForm::Flag) out += Presentation(policy, texts);
    return out + "    </presentationTable>\n  </resources>\n</policyDefinitionResources>\n";
}

}  // namespace admx
