; two files that include each other are stopped the same way
        .data
        .include "ping.inc"
        .err
