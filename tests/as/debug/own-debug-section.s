; a source with a section of its own named .debug_* gets none of ours
        .section .debug_info
        .long 7
        .data
x:      .long 1
        .text
p:      getl 1
        complete
