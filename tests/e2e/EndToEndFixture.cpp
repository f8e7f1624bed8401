#include "EndToEndFixture.h"

KeyRecorder* EndToEnd::recorder = nullptr;
std::unique_ptr<BrowserRedirect> EndToEnd::browser;

void EndToEnd::SetUpTestSuite() {
    recorder = new KeyRecorder;
    browser = std::make_unique<BrowserRedirect>();
}

void EndToEnd::TearDownTestSuite() {
    browser.reset();
    delete recorder;
    recorder = nullptr;
}
