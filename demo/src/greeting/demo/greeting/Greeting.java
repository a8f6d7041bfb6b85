package demo.greeting;

// The demo's class-path library: the application finds this class only when the launcher has
// put greeting.jar on its class path.
public final class Greeting {
  private Greeting() {}

  public static String greet(String name) {
    return "Hello, " + name + "!";
  }

  // The jar this class was loaded from, as the JVM saw it.
  public static String source() {
    String path = Greeting.class.getProtectionDomain().getCodeSource().getLocation().getPath();
    return path.substring(path.lastIndexOf('/') + 1);
  }
}
