#pragma once
// The school tests' program also runs as the school computers they start, kill and race: each
// child is a ProgressService at school with an outbox of its own.
#include <QStringList>

namespace zorvix::progress::testing {

// argv[1] names the child's work; returns its exit code, or -1 when this is not a child.
//   --child-record OUTBOX SERVICE COUNT  records COUNT tests, says "kept UID" for each once it
//                                        is in the outbox, then "sent" once the server has them
//                                        all, and then waits to be killed
//   --child-send OUTBOX SERVICE          sends what waits in the outbox, says "sent N", ends
//   --child-race OUTBOX SERVICE WRITER SECONDS
//                                        records a test every few milliseconds for SECONDS,
//                                        sends them all and says "recorded N"
int runSchoolChild(const QStringList& arguments);

// startedMs of the n-th test of a racing writer: who made a record, and which one, is read back
// from it on the server.
constexpr long long raceStartedMs(int writer, int n) { return 1'700'000'000'000LL + writer * 1'000'000LL + n; }

} // namespace zorvix::progress::testing
