// The renderer's headless test context and pixel checks, shared with the
// platform tests rather than copied.
#include "../platform/render_fixture.cpp"
