// Shared by the empty dialog program, its template and the benchmark that finds it.
#pragma once

#define IDD_BENCH_EMPTY 9600
// The same number as the utility's status area, so both programs are found ready by one test.
#define IDC_BENCH_EMPTY_TEXT 1013
#define KT_BENCH_EMPTY_CAPTION "KT Bench Empty Dialog"
