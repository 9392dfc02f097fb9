// One memory fault, leak or undefined operation, chosen by the argument. AddressSanitizer (with
// its leak checker) and UndefinedBehaviorSanitizer must report each and stop the program; CTest
// passes a case only when the report appears, which shows that the instrumented build reports and
// fails as it should.
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Kept out of the optimiser's sight, so the faults below happen at run time.
volatile int runtimeOne = 1;

int readPastTheEnd()
{
    char *block = static_cast<char *>(std::malloc(16));
    std::memset(block, 0, 16);
    const int value = block[15 + runtimeOne];
    std::free(block);
    return value;
}

int useAfterFree()
{
    int *value = new int(7);
    delete value;
    return *value + runtimeOne;
}

// The only pointer to the block is overwritten, so nothing reaches it when the leak check runs.
int leak()
{
    static char *volatile lastBlock = nullptr;
    lastBlock = static_cast<char *>(std::malloc(64));
    lastBlock[0] = char(runtimeOne);
    const int value = lastBlock[0];
    lastBlock = nullptr;
    return value;
}

int overflowSigned()
{
    const int big = INT_MAX - 1 + runtimeOne;
    return big + runtimeOne;
}

} // namespace

int main(int argc, char **argv)
{
    const char *fault = argc > 1 ? argv[1] : "";
    int result = 0;
    if (std::strcmp(fault, "overflow") == 0)
        result = readPastTheEnd();
    else if (std::strcmp(fault, "use-after-free") == 0)
        result = useAfterFree();
    else if (std::strcmp(fault, "leak") == 0)
        result = leak();
    else if (std::strcmp(fault, "signed-overflow") == 0)
        result = overflowSigned();
    std::printf("no report for \"%s\" (%d)\n", fault, result);
    return 0;
}
