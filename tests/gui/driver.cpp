// The GUI test driver: runs the scenarios of a table (scenarios.txt, which lists the verbs) on VOTRA_95.EXE
// under Wine, each as a GoogleTest test Gui.SCENARIO, in the language of the run. What it expects comes from
// the program's own tables and rules: the texts (ops/texts.h, app/app_texts.h), the ids (res/resource_ids.h),
// the file names (ops/file_names.h), and the bitmaps, the picture and the dialog templates in the program file.
//   gui_driver.exe PROGRAM.EXE TABLE.txt --language en|ja [--package] [GoogleTest flags]
// Without --package each scenario starts a copy of the program in a folder of its own, work\SCENARIO-app;
// with it, the program is the one unpacked from the Windows archive, started where it lies.
#include "helpers.h"

#include "app_texts.h"
#include "file_names.h"
#include "hover_label.h"
#include "icon_bar.h"
#include "key_table.h"
#include "icon_bar_layout.h"
#include "main_picture.h"
#include "main_window.h"
#include "program_files.h"
#include "resource_ids.h"
#include "temp_folder.h"
#include "texts.h"
#include "utf16.h"
#include "votrana_version.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iomanip>
#include <map>
#include <memory>
#include <numeric>
#include <random>
#include <sstream>
#include <stdexcept>

using namespace guitest;

namespace {

struct Options {
    std::wstring program;
    std::string table;
    bool japanese = false;
    bool package = false;
    std::wstring work;
} options;

using Words = std::vector<std::string>;

constexpr auto& wide = votrana::toWide;
constexpr auto& utf8 = votrana::toUtf8;

template <typename... Parts>
std::string cat(const Parts&... parts)
{
    std::ostringstream stream;
    (stream << ... << parts);
    return stream.str();
}

// Bytes of every value, in runs that repeat, so that they compress a little; the same for the same seed.
Bytes sampleBytes(std::size_t length, std::uint32_t seed)
{
    std::mt19937 random(seed);
    Bytes bytes(length);
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<std::uint8_t>(random() % 4 == 0 ? random() : i / 64);
    }
    return bytes;
}

// Sets a value of the registry, or without data removes it.
bool setRegistryValue(HKEY root, const wchar_t* key, const wchar_t* name, DWORD type, const void* data, DWORD size)
{
    HKEY opened = nullptr;
    bool set = RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) == ERROR_SUCCESS;
    RegDeleteValueW(opened, name);
    set = set && (data == nullptr ||
                  RegSetValueExW(opened, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS);
    RegCloseKey(opened);
    return set;
}

// The two version texts that the program reads at start-up ("-" removes one), and the bitmap set they choose.
bool setOsVersion(const std::string& currentVersion, const std::string& productName)
{
    const auto set = [](const wchar_t* key, const wchar_t* name, const std::string& value) {
        const std::wstring text = wide(value);
        return setRegistryValue(HKEY_LOCAL_MACHINE, key, name, REG_SZ, value == "-" ? nullptr : text.c_str(),
                                static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    };
    return set(LR"(SOFTWARE\Microsoft\Windows NT\CurrentVersion)", L"CurrentVersion", currentVersion) &&
           set(LR"(SOFTWARE\Microsoft\Windows\CurrentVersion)", L"ProductName", productName);
}

// The system's version for the program, set at the start, and the bitmap set it chooses.
constexpr const char* systemVersion = "6.1";
const votrana::OsVariant variant =
    votrana::osVariantFrom(systemVersion, std::nullopt).value_or(votrana::OsVariant::Nt60);

struct Step {
    int line = 0;
    std::string text;
    Words words;
};

// A scenario of the table as a test: the program, its windows, the dialogs open over it (the last on top), and
// the files. Each verb is a member function.
class Scenario : public testing::Test {
public:
    Scenario(const std::string& name, const std::vector<Step>& steps)
        : name_(name),
          steps_(steps),
          folder_(options.work + L"\\" + wide(name)),
          program_(options.package ? options.program : folder_ + L"-app\\" + wide(votrana::programFileName))
    {
        fs::create_directories(folder_);
        if (!options.package) {
            fs::create_directories(folder_ + L"-app");
            fs::copy_file(options.program, program_);
        }
    }

    ~Scenario() override
    {
        throttle_.reset();
        process_.reset();
    }

    void TestBody() override
    {
        for (const Step& step : steps_) {
            SCOPED_TRACE(cat(options.table, ":", step.line, ": ", step.text));
            run(step.words);
            if (HasFatalFailure()) {
                return;
            }
        }
    }

private:
    void run(const Words& w)
    {
        using S = Scenario;
        using Verb = void (S::*)(const Words&);
        // clang-format off
        static const std::map<std::string, Verb> verbs{
            {"start", &S::start},             {"looks", &S::looks},             {"second_start", &S::secondStart},
            {"click", &S::click},             {"mouse", &S::mouse},             {"shows", &S::shows},
            {"exited", &S::exited},           {"close_box", &S::closeBox},      {"hover", &S::hover},
            {"label", &S::label},             {"open_dialog", &S::openDialog},  {"choose", &S::choose},
            {"key_dialog", &S::keyDialog},    {"key_state", &S::keyState},      {"mark", &S::mark},
            {"type", &S::type},               {"button", &S::button},           {"ok", &S::ok},
            {"cancel", &S::cancel},           {"gone", &S::gone},               {"stays", &S::stays},
            {"key", &S::key},                 {"about", &S::about},             {"message", &S::message},
            {"no_message", &S::noMessage},    {"idle", &S::idle},               {"progress", &S::progress},
            {"throttle", &S::throttle},       {"file", &S::file},               {"delete", &S::remove},
            {"folder", &S::folder},           {"same", &S::same},               {"readme", &S::readme},
            {"shot", &S::shot},
        };
        // clang-format on
        const auto verb = verbs.find(w.at(0));
        ASSERT_NE(verb, verbs.end()) << "no verb " << w[0];
        (this->*verb->second)(w);
    }

    // Files are named relative to the scenario's folder, with "/" or "\"; coded:F is F's coded file and key:F
    // the application's key file beside it, as the program names them; app:F lies beside the program.
    std::wstring path(const std::string& name) const
    {
        constexpr auto windows = votrana::PathStyle::windows;
        if (name.starts_with("coded:")) {
            return wide(votrana::codedFilePathFor(utf8(path(name.substr(6))), windows));
        }
        if (name.starts_with("key:")) {
            return wide(
                votrana::defaultKeyPathFor(votrana::codedFilePathFor(utf8(path(name.substr(4))), windows), windows));
        }
        if (name.starts_with("app:")) {
            return fs::path(program_).parent_path().wstring() + L"\\" + wide(name.substr(4));
        }
        std::wstring full = folder_ + L"\\" + wide(name);
        std::replace(full.begin(), full.end(), L'/', L'\\');
        return full;
    }

    int buttonIndex(const std::string& name) const
    {
        const auto found = std::find(buttonNames.begin(), buttonNames.end(), name);
        if (found == buttonNames.end()) {
            throw std::invalid_argument("no button " + name);
        }
        return static_cast<int>(found - buttonNames.begin());
    }

    RECT buttonArea(const std::string& name) const
    {
        RECT area{};
        GetWindowRect(buttons_.at(static_cast<std::size_t>(buttonIndex(name))), &area);
        return area;
    }

    DWORD id() const { return process_ ? process_->id() : 0; }
    HWND top() const { return dialogs_.empty() ? nullptr : dialogs_.back(); }

    POINT client(int x, int y) const
    {
        POINT point{x, y};
        ClientToScreen(main_, &point);
        return point;
    }

    RECT clientOnScreen() const
    {
        RECT area{};
        GetClientRect(main_, &area);
        MapWindowPoints(main_, nullptr, reinterpret_cast<POINT*>(&area), 2);
        return area;
    }

    bool buttonShows(const std::string& name, const std::string& bitmap) const
    {
        const std::optional<Image> wanted = bitmapResource(program_, wide(bitmap));
        const RECT area = buttonArea(name);
        return wanted && waitUntil([&] { return captureScreen(area) == *wanted; });
    }

    // A dialog of the program that is not open already and that `wanted` accepts.
    HWND waitForDialog(const std::function<bool(HWND)>& wanted) const
    {
        return waitForWindow(id(), [&](HWND window) {
            return className(window) == L"#32770" && std::ranges::count(dialogs_, window) == 0 && wanted(window);
        });
    }

    void start(const Words&)
    {
        // The mouse waits in a corner, away from the window and its labels.
        moveMouse(POINT{0, GetSystemMetrics(SM_CYSCREEN) - 1});
        process_ = std::make_unique<Process>(program_);
        main_ = waitForWindow(id(), [](HWND window) { return className(window) == votrana::mainWindowClassName; });
        ASSERT_NE(main_, nullptr) << "the main window did not show";
        ASSERT_TRUE(waitUntil([&] {
            HWND bar = FindWindowExW(main_, nullptr, votrana::iconBarClassName, nullptr);
            for (std::size_t index = 0; index < buttons_.size(); ++index) {
                buttons_[index] = GetDlgItem(bar, IDC_CODING_BUTTON + static_cast<int>(index));
            }
            return bar != nullptr && buttons_.back() != nullptr;
        })) << "the icon bar and its buttons did not show";
        dialogs_.clear();
        plain_.reset();
    }

    // The title, the picture and the buttons of the bitmap set of the system's version; then the client area as it is
    // without a label is kept for the hover steps.
    void looks(const Words&)
    {
        EXPECT_EQ(utf8(windowText(main_)), appTexts_.windowTitle);
        const std::optional<Image> picture = bitmapResource(program_, VOTRANA_WIDE(IBMP_1_NAME));
        ASSERT_TRUE(picture && picture->width == votrana::pictureWidth && picture->height == votrana::pictureHeight);
        const POINT corner = client(votrana::pictureX, votrana::pictureY);
        const RECT area{corner.x, corner.y, corner.x + picture->width, corner.y + picture->height};
        EXPECT_TRUE(waitUntil([&] { return captureScreen(area) == *picture; })) << "the picture does not show";
        for (int index = 0; index < votrana::iconButtonCount; ++index) {
            const std::string bitmap = votrana::iconButtonBitmapsFor(index, variant).upBitmap;
            EXPECT_TRUE(buttonShows(std::string(buttonNames[index]), bitmap))
                << buttonNames[index] << " does not show " << bitmap;
        }
        plain_ = captureScreen(clientOnScreen());
    }

    void secondStart(const Words&)
    {
        Process second(program_);
        EXPECT_EQ(second.exitCode(), 0U) << "a second copy ends at once with exit code 0";
        EXPECT_TRUE(IsWindowVisible(main_) && process_->exitCode(0) == STILL_ACTIVE) << "the first copy stays";
    }

    void click(const Words& w) { postClick(buttons_.at(static_cast<std::size_t>(buttonIndex(w.at(1))))); }

    // mouse down|up BUTTON | mouse down|up X Y: the mouse button pressed or let go over a button of the bar, or
    // at X Y of the client area.
    void mouse(const Words& w)
    {
        const RECT area = w.size() == 3 ? buttonArea(w[2]) : RECT{};
        ASSERT_TRUE(moveMouse(w.size() == 3 ? POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2}
                                            : client(std::stoi(w.at(2)), std::stoi(w.at(3)))));
        mouseButton(w.at(1) == "down");
    }

    // shows BUTTON up|down: the button shows that bitmap of the set.
    void shows(const Words& w)
    {
        const votrana::IconButtonBitmaps bitmaps = votrana::iconButtonBitmapsFor(buttonIndex(w.at(1)), variant);
        const std::string& bitmap = w.at(2) == "down" ? bitmaps.downBitmap : bitmaps.upBitmap;
        EXPECT_TRUE(buttonShows(w[1], bitmap)) << w[1] << " does not show " << bitmap;
    }

    void exited(const Words& w)
    {
        ASSERT_TRUE(process_);
        EXPECT_EQ(process_->exitCode(), std::stoul(w.at(1))) << "the program's exit code";
        process_.reset();
        main_ = nullptr;
    }

    // The close box of the dialog on top, or of the main window, clicked: the system command it gives.
    void closeBox(const Words&) { PostMessageW(top() ? top() : main_, WM_SYSCOMMAND, SC_CLOSE, 0); }

    // hover X Y LABEL: the mouse at X Y of the client area ("b+N": N rows below the border's height), then
    // "label LABEL".
    void hover(const Words& w)
    {
        const std::string& y = w.at(2);
        const int row = y.starts_with("b+") ? GetSystemMetrics(SM_CYBORDER) + std::stoi(y.substr(2)) : std::stoi(y);
        ASSERT_TRUE(moveMouse(client(std::stoi(w.at(1)), row)));
        label(Words{"label", w.at(3)});
    }

    // Whether the client area shows the label's drawing: a box with a black frame and white inside whose corner
    // lies where the program's rule puts it; with LABEL 0, the area as it is without a label.
    bool labelShows(int label) const
    {
        const Image shown = captureScreen(clientOnScreen());
        if (label == 0) {
            return shown == *plain_;
        }
        RECT window{};
        GetWindowRect(main_, &window);
        const POINT origin = client(0, 0);
        const votrana::LabelRect box = votrana::labelRectFor(
            label, {}, {GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYBORDER), GetSystemMetrics(SM_CYCAPTION)});
        const int left = box.left - (origin.x - window.left), top = box.top - (origin.y - window.top);
        return shown.at(left - 1, top - 1) == plain_->at(left - 1, top - 1) && shown.at(left, top) == 0 &&
               shown.at(left + 1, top + 1) == 0xFFFFFF;
    }

    // label LABEL: the hover label of button LABEL (1 Coding .. 5 Exit) shows, or none (0).
    void label(const Words& w)
    {
        ASSERT_TRUE(plain_) << "\"looks\" comes first";
        EXPECT_TRUE(waitUntil([&] { return labelShows(std::stoi(w.at(1))); })) << "label " << w[1] << " does not show";
    }

    // open_dialog code|decode|browse: the open-file dialog of Coding, Decoding or Browse, with its title and
    // file type, owned by the main window.
    void openDialog(const Words& w)
    {
        const std::size_t which = w.at(1) == "code" ? 0 : w[1] == "decode" ? 1 : 2;
        const std::array titles{texts_.codeFileTitle, texts_.decodeFileTitle, texts_.browseKeyTitle};
        const std::array types{texts_.allFilesFilter, texts_.codedFilesFilter, texts_.keyFilesFilter};
        const std::string_view title = titles.at(which);
        HWND dialog = waitForDialog([&](HWND window) { return windowText(window) == wide(title); });
        ASSERT_NE(dialog, nullptr) << "no open-file dialog \"" << title << "\"";
        dialogs_.push_back(dialog);
        EXPECT_EQ(utf8(windowText(GetDlgItem(dialog, cmb1))), types.at(which));
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), main_) << "the dialog's owner";
    }

    // Puts the file's path into the open-file dialog's file-name field and presses Open.
    void choose(const Words& w)
    {
        HWND field = GetDlgItem(top(), cmb13);
        for (const wchar_t* inner : {L"ComboBox", L"Edit"}) {
            if (HWND child = FindWindowExW(field, nullptr, inner, nullptr)) {
                field = child;
            }
        }
        const std::wstring file = path(w.at(1));
        sendTo(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.c_str()));
        ASSERT_EQ(windowText(field), file) << "the file-name field";
        ok({});
    }

    void keyDialog(const Words&)
    {
        HWND dialog = waitForDialog([&](HWND window) { return windowText(window) == wide(texts_.keyDialogTitle); });
        ASSERT_NE(dialog, nullptr) << "no key-file dialog \"" << texts_.keyDialogTitle << "\"";
        dialogs_.push_back(dialog);
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), main_) << "the key-file dialog's owner";
    }

    // key_state app | key_state user [FILE]: the radio button marked, and the field (holding the file's path)
    // and Browse enabled with the user's key only.
    void keyState(const Words& w)
    {
        const auto on = [&](int control) { return IsWindowEnabled(GetDlgItem(top(), control)) ? "on" : "off"; };
        const auto marked = [&](int control) { return sendTo(GetDlgItem(top(), control), BM_GETCHECK) == BST_CHECKED; };
        const std::string wanted = w.at(1) == "user"
                                       ? cat("user field on '", w.size() > 2 ? utf8(path(w[2])) : "", "' browse on")
                                       : "app field off '' browse off";
        std::string shown;
        EXPECT_TRUE(waitUntil([&] {
            shown = cat(marked(IDC_APP_KEY_RADIO) ? "app" : "", marked(IDC_USER_KEY_RADIO) ? "user" : "", " field ",
                        on(IDC_KEY_FILE_EDIT), " '", utf8(windowText(GetDlgItem(top(), IDC_KEY_FILE_EDIT))),
                        "' browse ", on(IDC_BROWSE_BUTTON));
            return shown == wanted;
        })) << shown;
    }

    // mark app|user: a click on the radio button of the application's or the user's key.
    void mark(const Words& w)
    {
        HWND radio = GetDlgItem(top(), w.at(1) == "user" ? IDC_USER_KEY_RADIO : IDC_APP_KEY_RADIO);
        postClick(radio);
        EXPECT_TRUE(waitUntil([&] { return sendTo(radio, BM_GETCHECK) == BST_CHECKED; })) << "not marked";
    }

    // Types the file's path into the key-file dialog's field, over what it held.
    void type(const Words& w)
    {
        HWND field = GetDlgItem(top(), IDC_KEY_FILE_EDIT);
        // The focus goes into the field as the Tab key would take it there.
        SetForegroundWindow(top());
        PostMessageW(top(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
        ASSERT_TRUE(waitUntil([&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return GetGUIThreadInfo(GetWindowThreadProcessId(field, nullptr), &info) && info.hwndFocus == field;
        })) << "the field did not take the focus";
        sendTo(field, EM_SETSEL, 0, -1);
        pressKey(VK_DELETE);
        const std::wstring text = path(w.at(1));
        typeText(text);
        EXPECT_TRUE(waitUntil([&] { return windowText(field) == text; })) << utf8(windowText(field));
    }

    // button ok|cancel|browse: a click on that button of the dialog on top; ok and cancel then wait until it
    // goes.
    void button(const Words& w)
    {
        postClick(GetDlgItem(top(), w.at(1) == "ok" ? IDOK : w[1] == "cancel" ? IDCANCEL : IDC_BROWSE_BUTTON));
    }
    void ok(const Words&) { closeWith(IDOK); }
    void cancel(const Words&) { closeWith(IDCANCEL); }
    void closeWith(int control)
    {
        postClick(GetDlgItem(top(), control));
        gone({});
    }

    // The dialog on top goes.
    void gone(const Words&)
    {
        const HWND dialog = top();
        ASSERT_NE(dialog, nullptr);
        dialogs_.pop_back();
        ASSERT_TRUE(waitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }))
            << "the dialog \"" << utf8(windowText(dialog)) << "\" stays";
    }

    void stays(const Words&)
    {
        Sleep(500);
        EXPECT_TRUE(IsWindowVisible(top())) << "the dialog went";
    }

    // key esc|return: the key, pressed in the dialog on top.
    void key(const Words& w)
    {
        SetForegroundWindow(top());
        pressKey(w.at(1) == "esc" ? VK_ESCAPE : VK_RETURN);
    }

    // The About box of the language's template, owned by the main window, with the version.
    void about(const Words&)
    {
        const std::wstring caption =
            dialogCaption(program_, options.japanese ? VOTRANA_WIDE(ABOUT_DLG_J_NAME) : VOTRANA_WIDE(ABOUT_DLG_NAME));
        HWND box = waitForDialog([&](HWND window) { return windowText(window) == caption; });
        ASSERT_NE(box, nullptr) << "no About box \"" << utf8(caption) << "\"";
        dialogs_.push_back(box);
        EXPECT_EQ(GetWindow(box, GW_OWNER), main_) << "the About box's owner";
        bool version = false;
        for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            version = version || windowText(child) == VOTRANA_WIDE(VOTRANA_ABOUT_VERSION);
        }
        EXPECT_TRUE(version) << "the About box shows " << VOTRANA_ABOUT_VERSION;
    }

    // message info coded|decoded FILE KEY | message error TEXT: a message box owned by the main window, with the
    // caption, icon and text; it stays until "ok".
    void message(const Words& w)
    {
        const bool information = w.at(1) == "info";
        const std::string& what = w.at(2);
        const std::map<std::string, std::string_view> named{{"programItself", texts_.programItself},
                                                            {"readmeMissing", appTexts_.readmeMissing},
                                                            {"readmeNotOpened", appTexts_.readmeNotOpened}};
        const std::string text =
            what == "coded" || what == "decoded"
                ? cat(what == "coded" ? texts_.codingDone : texts_.decodingDone,
                      utf8(path((what == "coded" ? "coded:" : "") + w.at(3))), texts_.keyFileLabel, utf8(path(w.at(4))))
                : std::string(named.at(what));
        HWND box = waitForDialog([](HWND window) { return GetDlgItem(window, 0xFFFF) != nullptr; });
        ASSERT_NE(box, nullptr) << "no message \"" << text << "\"";
        dialogs_.push_back(box);
        EXPECT_EQ(utf8(windowText(box)), information ? texts_.informationCaption : texts_.errorCaption);
        EXPECT_EQ(utf8(messageText(box)), text);
        EXPECT_EQ(GetWindow(box, GW_OWNER), main_) << "the message box's owner";
        const LPCWSTR icon = information ? IDI_INFORMATION : IDI_ERROR;
        EXPECT_TRUE(waitUntil([&] { return messageIcon(box) == icon; })) << "the icon of " << w[1];
    }

    // No dialog or message shows for a while.
    void noMessage(const Words&)
    {
        std::vector<HWND> shown;
        EXPECT_FALSE(waitUntil(
            [&] {
                shown = dialogsOf(id());
                std::erase_if(shown, [&](HWND dialog) { return std::ranges::count(dialogs_, dialog) > 0; });
                return !shown.empty();
            },
            700))
            << "shown: \"" << utf8(windowText(shown.at(0))) << "\" " << utf8(messageText(shown.at(0)));
    }

    // The command has ended: the main window takes input again and no dialog is open.
    void idle(const Words&)
    {
        std::vector<HWND> shown;
        EXPECT_TRUE(waitUntil([&] { return (shown = dialogsOf(id())).empty() && IsWindowEnabled(main_); }))
            << "the program is still at work, or shows " << (shown.empty() ? "" : utf8(messageText(shown[0])));
    }

    // progress FILE: the progress window of Coding, owned by the main window, with its texts.
    void progress(const Words& w)
    {
        HWND window = waitForDialog([](HWND dialog) { return GetDlgItem(dialog, IDC_PROGRESS_BAR) != nullptr; });
        ASSERT_NE(window, nullptr) << "no progress window";
        dialogs_.push_back(window);
        EXPECT_EQ(utf8(windowText(window)), appTexts_.labels[0]);
        EXPECT_EQ(utf8(windowText(GetDlgItem(window, IDC_PROGRESS_STAGE))), appTexts_.workStages[0]);
        EXPECT_EQ(windowText(GetDlgItem(window, IDC_PROGRESS_FILE)), fs::path(path(w.at(1))).filename().wstring());
        EXPECT_EQ(GetWindow(window, GW_OWNER), main_) << "the progress window's owner";
    }

    // throttle on|off: every thread of the program but the window thread kept slow (see Throttle), or no more.
    void throttle(const Words& w)
    {
        throttle_.reset();
        throttle_ =
            w.at(1) == "on" ? std::make_unique<Throttle>(id(), GetWindowThreadProcessId(main_, nullptr)) : nullptr;
    }

    // file NAME SIZE[M]|key: a file of sample bytes (SIZE MiB with M), or a key file.
    void file(const Words& w)
    {
        const std::wstring file = path(w.at(1));
        const auto seed = static_cast<std::uint32_t>(written_.size());
        votrana::KeyTables key;
        ASSERT_TRUE(votrana::generateKey(key));
        const auto keyFile = votrana::keyFileBytes(key);
        written_[file] = w.at(2) == "key" ? Bytes(keyFile.begin(), keyFile.end())
                                          : sampleBytes(std::stoull(w[2]) << (w[2].ends_with("M") ? 20 : 0), seed);
        fs::create_directories(fs::path(file).parent_path());
        votrana::testing::writeFile(utf8(file), written_[file]);
    }

    void remove(const Words& w) { fs::remove(path(w.at(1))); }

    // folder DIR FILE...: the folder holds exactly these files (and folders).
    void folder(const Words& w)
    {
        std::set<std::wstring> wanted;
        for (std::size_t i = 2; i < w.size(); ++i) {
            wanted.insert(fs::path(path(w[i])).filename().wstring());
        }
        const std::wstring folder = path(w.at(1));
        const auto describe = [](const std::set<std::wstring>& names) {
            std::string text;
            for (const std::wstring& name : names) {
                text.append(" ").append(utf8(name));
            }
            return text;
        };
        EXPECT_TRUE(waitUntil([&] { return folderNames(folder) == wanted; }))
            << "holds" << describe(folderNames(folder)) << " instead of" << describe(wanted);
    }

    // The file holds the bytes that "file" wrote under its name.
    void same(const Words& w)
    {
        const std::wstring file = path(w.at(1));
        EXPECT_TRUE(votrana::testing::readFile(utf8(file)) == written_[file]) << w[1] << " differs from what was written";
    }

    // readme own|other: the readme of the run's language (or of the other) from the built program's folder,
    // put beside the program.
    void readme(const Words& w)
    {
        const bool japanese = (w.at(1) == "own") == options.japanese;
        fs::copy_file(wide(votrana::readmePathFor(utf8(options.program), japanese)),
                      wide(votrana::readmePathFor(utf8(program_), japanese)));
    }

    // A picture of the screen as shots\SCENARIO-NAME.png, when the script that runs the driver takes them (it
    // makes the folder shots: tools/wine/gui-test.sh).
    void shot(const Words& w)
    {
        if (!fs::is_directory(L"shots")) {
            return;
        }
        const std::wstring base = L"shots\\" + wide(name_ + "-" + w.at(1));
        fs::remove(base + L".done");
        // Time for the last drawing to reach the screen.
        Sleep(100);
        votrana::testing::writeFile(utf8(base + L".req"), {});
        waitUntil([&] { return fs::exists(base + L".done"); });
    }

    static constexpr std::array<std::string_view, votrana::iconButtonCount> buttonNames{"coding", "decoding", "about",
                                                                                        "help", "exit"};
    const votrana::Texts& texts_ = votrana::textsFor(options.japanese);
    const votrana::AppTexts& appTexts_ = votrana::appTextsFor(options.japanese);
    std::string name_;
    std::vector<Step> steps_;
    std::wstring folder_;
    std::wstring program_;
    std::unique_ptr<Process> process_;
    HWND main_ = nullptr;
    std::array<HWND, votrana::iconButtonCount> buttons_{};
    std::vector<HWND> dialogs_;
    std::map<std::wstring, Bytes> written_;
    std::optional<Image> plain_;
    std::unique_ptr<Throttle> throttle_;
};

// Registers each scenario of the table as a test; false when the table holds none. The words of a line are
// separated by blanks, "..." holds blanks, # begins a comment.
bool registerScenarios()
{
    std::ifstream table(options.table);
    std::vector<std::pair<std::string, std::vector<Step>>> scenarios;
    int number = 0;
    for (std::string line; std::getline(table, line);) {
        std::istringstream stream(line.substr(0, line.find('#')));
        Words words;
        for (std::string word; stream >> std::quoted(word);) {
            words.push_back(word);
        }
        ++number;
        if (!words.empty() && words[0] == "scenario") {
            scenarios.emplace_back(words.at(1), std::vector<Step>{});
        } else if (!words.empty() && !scenarios.empty()) {
            scenarios.back().second.push_back({number, line, words});
        }
    }
    for (const auto& [name, steps] : scenarios) {
        testing::RegisterTest("Gui", name.c_str(), nullptr, nullptr, options.table.c_str(), 0,
                              [name, steps]() -> testing::Test* { return new Scenario(name, steps); });
    }
    return !scenarios.empty();
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--language" && i + 1 < argc) {
            options.japanese = std::string(argv[++i]) == "ja";
        } else if (argument == "--package") {
            options.package = true;
        } else if (options.program.empty()) {
            options.program = fs::absolute(argument).wstring();
        } else {
            options.table = argument;
        }
    }
    // The driver changes the registry of the system it runs on, so it runs only under Wine, in a prefix of its
    // own: Windows 7, no program for PDF documents, and a crash ends a program at once with its trace in the log.
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const DWORD noCrashDialog = 0;
    if (ntdll == nullptr || GetProcAddress(ntdll, "wine_get_version") == nullptr || !registerScenarios() ||
        !setOsVersion(systemVersion, "-") ||
        !setRegistryValue(HKEY_CURRENT_USER, LR"(Software\Wine\WineDbg)", L"ShowCrashDialog", REG_DWORD, &noCrashDialog,
                          sizeof noCrashDialog)) {
        std::fprintf(stderr, "usage, under Wine: gui_driver PROGRAM.EXE TABLE.txt --language en|ja [--package]\n");
        return 1;
    }
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".pdf");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"pdffile");
    options.work = fs::absolute(L"work").wstring();
    std::error_code error;
    fs::remove_all(options.work, error);
    return RUN_ALL_TESTS();
}
