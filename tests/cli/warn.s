nop
/* a comment that never ends
