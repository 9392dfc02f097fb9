// Two threads write one plain integer with nothing ordering them. ThreadSanitizer must report
// the race; CTest passes this program only when the report appears, which shows that the
// instrumented build, the runtime and the suppressions file leave real races visible.
#include <cstdio>
#include <thread>

namespace {

int shared = 0;

void writeShared(int value)
{
    shared = value;
}

} // namespace

int main()
{
    std::thread first(writeShared, 1);
    std::thread second(writeShared, 2);
    first.join();
    second.join();
    std::printf("shared ends as %d\n", shared);
    return 0;
}
