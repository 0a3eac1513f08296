// Start and end banners of a run, from the run-information record.
#pragma once

// Program identity, start stamp, user and host (codes 0 and 1), system, processor and
// credits; then waits for RETURN.
void progheadzq2();
// Program identity, start and end stamps, elapsed clock and processor times, and the
// end-of-run picture chosen by the last digit of the end time.
void progtail2();
