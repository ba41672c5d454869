; .loc that cannot be parsed: a word after the column that is no option,
; operands with syntax errors, extra tokens, and the placement rule
        .loc 1 10
        .data
        .loc 1 10
        .text
        .loc 1 10 5 foo
        .loc 1 10 5 basic_block bar
        .loc 1 (10
        .loc 1 10 (5
        .loc 1 10 5 is_stmt (
        .loc 1 10 5 "text"
